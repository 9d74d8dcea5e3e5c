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
//
// Nothing of the multimedia back-end is touched at construction: the first
// cue that is asked for looks for an audio output, and each slot's player is
// made when its slot is first used. Without an audio output no player is ever
// made, every cue is silently skipped and one warning says so. The program
// holds the cues until its window has painted its first frame, so that the
// multimedia back-end's start does not delay that frame; a cue wanted in the
// meantime plays then.
class SoundCues : public QObject
{
    Q_OBJECT
public:
    static constexpr int SlotCount = 5;
    static constexpr int BackgroundSlot = 0;
    static constexpr int PowerOnSlot = 1;

    // Whether the machine has an audio output: asked of the multimedia
    // back-end when the first cue is wanted (Detect), or given.
    enum class Output
    {
        Detect,
        Present,
        Absent
    };

    explicit SoundCues(QObject* parent = nullptr, Output output = Output::Detect);

    // The file of cue `cue` (0 to 4), as the player's source URL takes it.
    static QString cueFile(int cue);
    // The warning given once when there is no audio output.
    static QString noOutputMessage();

    // Replaces how the audio output is found; takes effect if no cue has
    // been wanted yet.
    void setOutput(Output output);
    // Whether cues can be heard; decides on the first call.
    bool hasOutput();

    // Keeps the cues wanted from now on until `watched` has received its
    // first paint event, then plays them, slot by slot, once each; clearAll
    // in the meantime forgets them.
    void holdUntilPainted(QObject* watched);
    bool isHeld() const { return held != nullptr; }

    bool isEnabled() const { return isEnableAudio; }
    // The player of `slot` (0 to 4), made now if it is not yet and there is
    // an audio output; null without one. Owned by this object.
    QMediaPlayer* player(int slot);
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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Starts `slot` from the beginning of its cue, or keeps it for later
    // while the cues are held.
    void start(int slot);
    void release();
    void clear(int slot);

    struct Slot
    {
        QMediaPlayer* player = nullptr;
        QAudioOutput* output = nullptr;
    };
    std::array<Slot, SlotCount> mediaObjects;
    bool isEnableAudio = true;
    Output output;
    bool outputDecided = false;
    QObject* held = nullptr;
    std::array<bool, SlotCount> kept{};
};
