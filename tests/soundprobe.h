#pragma once

// The program's sound cues for Qt Quick tests: how often each cue started
// since the last clear, whether a slot is playing and whether cues are
// allowed. The cues play as on a machine with an audio output, whatever
// this machine has.
#include "soundcues.h"

#include <QObject>
#include <array>

class SoundProbe : public QObject
{
    Q_OBJECT

public:
    explicit SoundProbe(SoundCues& cues, QObject* parent = nullptr) : QObject(parent), cues(cues)
    {
        cues.setOutput(SoundCues::Output::Present);
        connect(&cues, &SoundCues::cueStarted, this,
                [this](int slot) { ++starts.at(size_t(slot)); });
    }

    Q_INVOKABLE int started(int slot) const { return starts.at(size_t(slot)); }
    Q_INVOKABLE bool playing(int slot) const { return cues.isPlaying(slot); }
    Q_INVOKABLE bool enabled() const { return cues.isEnabled(); }
    Q_INVOKABLE void clear() { starts.fill(0); }

private:
    SoundCues& cues;
    std::array<int, SoundCues::SlotCount> starts{};
};
