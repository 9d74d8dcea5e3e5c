#include "soundcues.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QEvent>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QTimer>

namespace {

// Cue files by cue number, relative to the program's directory.
const char* const CueFiles[SoundCues::SlotCount] = {
    "./modules/media/00.mp3", // 0: background music, looped
    "./modules/media/01.wav", // 1: power-on; the music starts when it ends
    "./modules/media/02.wav", // 2: page change and top-menu buttons
    "./modules/media/03.wav", // 3: logo link
    "./modules/media/04.wav", // 4: click on a two-state button, check box or radio button
};

// Asks the multimedia back-end for audio outputs. What it says while it looks
// (without a sound server: that it could not connect) is left out; the
// caller says what matters once.
SoundCues::Output detectOutput()
{
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    const bool none = QMediaDevices::audioOutputs().isEmpty();
    qInstallMessageHandler(previous);
    return none ? SoundCues::Output::Absent : SoundCues::Output::Present;
}

} // namespace

SoundCues::SoundCues(QObject* parent, Output output) : QObject(parent), output(output) {}

QString SoundCues::cueFile(int cue)
{
    return QString::fromLatin1(CueFiles[cue]);
}

QString SoundCues::noOutputMessage()
{
    return QStringLiteral("q3config: no audio output; the sound cues stay silent");
}

void SoundCues::setOutput(Output newOutput)
{
    if (!outputDecided)
        output = newOutput;
}

bool SoundCues::hasOutput()
{
    if (!outputDecided) {
        outputDecided = true;
        if (output == Output::Detect)
            output = detectOutput();
        if (output == Output::Absent)
            qWarning("%s", qPrintable(noOutputMessage()));
    }
    return output == Output::Present;
}

QMediaPlayer* SoundCues::player(int slot)
{
    Slot& made = mediaObjects[slot];
    if (made.player || !hasOutput())
        return made.player;
    made.player = new QMediaPlayer(this);
    made.output = new QAudioOutput(this);
    made.player->setAudioOutput(made.output);
    // "Finished" of the background and the power-on slot (re)starts the music.
    if (slot == BackgroundSlot || slot == PowerOnSlot)
        connect(made.player, &QMediaPlayer::mediaStatusChanged, this,
                [this](QMediaPlayer::MediaStatus status) {
                    if (status == QMediaPlayer::EndOfMedia)
                        playBackground();
                });
    return made.player;
}

QUrl SoundCues::source(int slot) const
{
    const QMediaPlayer* made = mediaObjects[slot].player;
    return made ? made->source() : QUrl();
}

bool SoundCues::isPlaying(int slot) const
{
    const QMediaPlayer* made = mediaObjects[slot].player;
    return made && made->playbackState() == QMediaPlayer::PlayingState;
}

void SoundCues::setEnabled(bool isEnable)
{
    isEnableAudio = isEnable;
}

void SoundCues::holdUntilPainted(QObject* watched)
{
    if (held)
        held->removeEventFilter(this);
    held = watched;
    held->installEventFilter(this);
}

bool SoundCues::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == held && event->type() == QEvent::Paint) {
        held->removeEventFilter(this);
        // After the frame this paint event draws.
        QTimer::singleShot(0, this, &SoundCues::release);
    }
    return QObject::eventFilter(watched, event);
}

void SoundCues::release()
{
    held = nullptr;
    const std::array<bool, SlotCount> wanted = kept;
    kept.fill(false);
    for (int slot = 0; slot < SlotCount; ++slot)
        if (wanted[size_t(slot)])
            start(slot);
}

void SoundCues::playIndex(uchar index)
{
    if (!isEnableAudio || index >= SlotCount)
        return;
    start(index);
}

void SoundCues::playBackground()
{
    start(BackgroundSlot);
}

void SoundCues::start(int slot)
{
    if (held) {
        kept[size_t(slot)] = true;
        return;
    }
    QMediaPlayer* cue = player(slot);
    if (!cue)
        return;
    // The music restarts without being cleared; a short cue starts over.
    if (slot != BackgroundSlot)
        clear(slot);
    cue->setSource(QUrl(cueFile(slot)));
    cue->play();
    emit cueStarted(slot);
}

void SoundCues::clearAll()
{
    kept.fill(false);
    for (int slot = 0; slot < SlotCount; ++slot)
        clear(slot);
}

void SoundCues::clear(int slot)
{
    // A slot that has no player yet plays nothing and has no source.
    QMediaPlayer* made = mediaObjects[slot].player;
    if (!made)
        return;
    made->stop();
    made->setSource(QUrl());
}
