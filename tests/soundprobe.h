#pragma once

// The program's sound cues for Qt Quick tests: how often each cue started
// since the last clear, how many of the music's starts were the loop's,
// whether a slot is playing and whether cues are allowed. The cues play as on
// a machine with an audio output, whatever this machine has.
#include "soundcues.h"

#include <QMediaPlayer>
#include <QObject>
#include <array>

class SoundProbe : public QObject
{
    Q_OBJECT

public:
    explicit SoundProbe(SoundCues& cues, QObject* parent = nullptr) : QObject(parent), cues(cues)
    {
        cues.setOutput(SoundCues::Output::Present);
        connect(&cues, &SoundCues::cueStarted, this, [this](int slot) {
            ++starts.at(size_t(slot));
            watchEnd(slot);
        });
    }

    Q_INVOKABLE int started(int slot) const { return starts.at(size_t(slot)); }
    // Starts of the music (slot 0) made by the loop: each end of the music
    // or of the power-on cue starts the music again. Without a real audio
    // device the media back-end can report such an end at once, so
    // started(0) - loopStarts() is what the scene itself asked for.
    Q_INVOKABLE int loopStarts() const { return restarts; }
    Q_INVOKABLE bool playing(int slot) const { return cues.isPlaying(slot); }
    Q_INVOKABLE bool enabled() const { return cues.isEnabled(); }
    Q_INVOKABLE void clear()
    {
        starts.fill(0);
        restarts = 0;
    }

private:
    // The cues restart the music on the end of these slots' pieces; their
    // own connection runs first, so the start is counted before the end.
    void watchEnd(int slot)
    {
        if ((slot != SoundCues::BackgroundSlot && slot != SoundCues::PowerOnSlot) ||
            watched.at(size_t(slot)))
            return;
        QMediaPlayer* player = cues.player(slot);
        if (!player)
            return;
        watched.at(size_t(slot)) = true;
        connect(player, &QMediaPlayer::mediaStatusChanged, this,
                [this](QMediaPlayer::MediaStatus status) {
                    if (status == QMediaPlayer::EndOfMedia && !cues.isHeld())
                        ++restarts;
                });
    }

    SoundCues& cues;
    std::array<int, SoundCues::SlotCount> starts{};
    std::array<bool, SoundCues::SlotCount> watched{};
    int restarts = 0;
};
