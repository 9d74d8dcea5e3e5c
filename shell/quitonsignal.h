#pragma once

// Turns SIGTERM, SIGINT and SIGHUP into a normal quit of the event loop, so
// the shutdown order runs (event loop stopped, writes finished, capture
// complete) when the program is stopped from outside. Call once, after the
// application object exists.
void quitOnTerminationSignals();
