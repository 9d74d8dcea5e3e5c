#pragma once

#include <QObject>
#include <QString>
#include <QUrl>
#include <array>

class QAudioOutput;
class QMediaPlayer;

// The sound cues: five players, one per cue slot, so that a click never
// interrupts the background music. Slot 0 plays the background loop, which
// restarts whenever slot 0 or the power-on cue of slot 1 finishes. Files are
// read from "./modules/media/" relative to the current directory when a cue
// starts; a missing or unplayable file plays nothing and affects no other
// slot. The players are children of this object. GUI thread only.
class SoundCues : public QObject
{
    Q_OBJECT
public:
    static constexpr int SlotCount = 5;
    static constexpr int BackgroundSlot = 0;
    static constexpr int PowerOnSlot = 1;

    explicit SoundCues(QObject* parent = nullptr);

    // The file of cue `cue` (0 to 4), as the player's source URL takes it.
    static QString cueFile(int cue);

    bool isEnabled() const { return isEnableAudio; }
    // The player of `slot` (0 to 4); owned by this object.
    QMediaPlayer* player(int slot) const;
    QUrl source(int slot) const;
    // Whether playback of `slot` has been started and not stopped or ended.
    bool isPlaying(int slot) const;

public slots:
    // Allows or forbids cues; starts and stops nothing.
    void setEnabled(bool isEnable);
    // Plays cue `index` on its own slot when sound is allowed: 0 the
    // background music, 1 to 4 the short cues from their beginning. Indices
    // above 4 are ignored.
    void playIndex(uchar index);
    // (Re)starts the background music on slot 0, whether sound is allowed or not.
    void playBackground();
    // Stops every slot, 0 to 4, and drops its source; this ends the loop.
    void clearAll();

signals:
    // A cue started on its slot: playIndex played it or the background
    // music (re)started on slot 0.
    void cueStarted(int slot);

private:
    void clear(int slot);

    struct Slot
    {
        QMediaPlayer* player = nullptr;
        QAudioOutput* output = nullptr;
    };
    std::array<Slot, SlotCount> mediaObjects;
    bool isEnableAudio = true;
};
