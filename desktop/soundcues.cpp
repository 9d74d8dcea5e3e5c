#include "soundcues.h"

#include <QAudioOutput>
#include <QMediaPlayer>

namespace {

// Cue files by cue number, relative to the program's directory.
const char* const CueFiles[SoundCues::SlotCount] = {
    "./modules/media/00.mp3", // 0: background music, looped
    "./modules/media/01.wav", // 1: power-on; the music starts when it ends
    "./modules/media/02.wav", // 2: page change and top-menu buttons
    "./modules/media/03.wav", // 3: logo link
    "./modules/media/04.wav", // 4: click on a two-state button, check box or radio button
};

} // namespace

SoundCues::SoundCues(QObject* parent) : QObject(parent)
{
    for (Slot& slot : mediaObjects) {
        slot.player = new QMediaPlayer(this);
        slot.output = new QAudioOutput(this);
        slot.player->setAudioOutput(slot.output);
    }
    // "Finished" of the background and the power-on slot (re)starts the music.
    for (int slot : {BackgroundSlot, PowerOnSlot})
        connect(mediaObjects[slot].player, &QMediaPlayer::mediaStatusChanged, this,
                [this](QMediaPlayer::MediaStatus status) {
                    if (status == QMediaPlayer::EndOfMedia)
                        playBackground();
                });
}

QString SoundCues::cueFile(int cue)
{
    return QString::fromLatin1(CueFiles[cue]);
}

QMediaPlayer* SoundCues::player(int slot) const
{
    return mediaObjects[slot].player;
}

QUrl SoundCues::source(int slot) const
{
    return mediaObjects[slot].player->source();
}

bool SoundCues::isPlaying(int slot) const
{
    return mediaObjects[slot].player->playbackState() == QMediaPlayer::PlayingState;
}

void SoundCues::setEnabled(bool isEnable)
{
    isEnableAudio = isEnable;
}

void SoundCues::playIndex(uchar index)
{
    if (!isEnableAudio || index >= SlotCount)
        return;
    if (index == BackgroundSlot) {
        playBackground();
        return;
    }
    clear(index);
    QMediaPlayer* player = mediaObjects[index].player;
    player->setSource(QUrl(cueFile(index)));
    player->play();
    emit cueStarted(index);
}

void SoundCues::playBackground()
{
    QMediaPlayer* player = mediaObjects[BackgroundSlot].player;
    player->setSource(QUrl(cueFile(BackgroundSlot)));
    player->play();
    emit cueStarted(BackgroundSlot);
}

void SoundCues::clearAll()
{
    for (int slot = 0; slot < SlotCount; ++slot)
        clear(slot);
}

void SoundCues::clear(int slot)
{
    QMediaPlayer* player = mediaObjects[slot].player;
    player->stop();
    player->setSource(QUrl());
}
