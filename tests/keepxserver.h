// Holds a connection to the X server for as long as it lives. Xvfb resets
// itself, refusing connections for a moment, whenever its last client leaves;
// a desktop session never lets that happen, and neither do the tests.
#pragma once

struct _XDisplay;

class KeepXServer
{
public:
    KeepXServer();
    ~KeepXServer();
    KeepXServer(const KeepXServer&) = delete;
    KeepXServer& operator=(const KeepXServer&) = delete;

    bool isConnected() const { return display != nullptr; }

private:
    _XDisplay* display = nullptr;
};
