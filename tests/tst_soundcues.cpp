// The five cue slots: which player plays what, the background loop and its
// end, and silence for missing or broken files; players made only when a
// slot is first used, and none at all without an audio output. The cues are
// told whether there is an output; with one but no sound server GStreamer
// plays into a null sink.
#include "soundcues.h"

#include <QAudioOutput>
#include <QDir>
#include <QFile>
#include <QMediaPlayer>
#include <QPaintEvent>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <cmath>

namespace {

const QStringList CueFiles = {"./modules/media/00.mp3", "./modules/media/01.wav",
                              "./modules/media/02.wav", "./modules/media/03.wav",
                              "./modules/media/04.wav"};

// A mono 16-bit PCM WAV file of a quiet tone.
QByteArray toneWav(int milliseconds)
{
    constexpr int Rate = 22050;
    constexpr double Frequency = 440.0;
    constexpr double Amplitude = 3000.0;
    const int samples = Rate * milliseconds / 1000;
    QByteArray data(samples * 2, Qt::Uninitialized);
    for (int i = 0; i < samples; ++i)
        qToLittleEndian<qint16>(qint16(Amplitude * std::sin(2 * M_PI * Frequency * i / Rate)),
                                data.data() + 2 * i);
    QByteArray wav;
    auto u32 = [&wav](quint32 v) {
        wav.append(reinterpret_cast<const char*>(&v), 4);
    };
    auto u16 = [&wav](quint16 v) {
        wav.append(reinterpret_cast<const char*>(&v), 2);
    };
    wav.append("RIFF");
    u32(36 + data.size());
    wav.append("WAVEfmt ");
    u32(16);
    u16(1); // PCM
    u16(1); // mono
    u32(Rate);
    u32(Rate * 2);
    u16(2);
    u16(16);
    wav.append("data");
    u32(data.size());
    return wav + data;
}

// The cue files of a test: name → contents. The background piece is a WAV
// under the mp3 name; GStreamer goes by the contents.
using MediaFiles = QMap<QString, QByteArray>;

MediaFiles allCues()
{
    return {{"00.mp3", toneWav(300)},
            {"01.wav", toneWav(100)},
            {"02.wav", toneWav(100)},
            {"03.wav", toneWav(100)},
            {"04.wav", toneWav(100)}};
}

int endsOfMedia(const QSignalSpy& statusChanges)
{
    int ends = 0;
    for (const QList<QVariant>& change : statusChanges)
        ends += change.at(0).value<QMediaPlayer::MediaStatus>() == QMediaPlayer::EndOfMedia;
    return ends;
}

} // namespace

class TestSoundCues : public QObject
{
    Q_OBJECT

    QTemporaryDir directory;
    QString previousDirectory;

    // Makes `files` the program's ./modules/media/ and enters it.
    void useMedia(const MediaFiles& files)
    {
        QDir root(directory.path());
        root.removeRecursively();
        QVERIFY(root.mkpath("modules/media"));
        for (auto it = files.begin(); it != files.end(); ++it) {
            QFile file(root.filePath("modules/media/" + it.key()));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(it.value());
        }
        QVERIFY(QDir::setCurrent(root.path()));
    }

    static void verifyIdle(const SoundCues& cues, int slot)
    {
        QVERIFY2(cues.source(slot).isEmpty(), qPrintable(QString("slot %1").arg(slot)));
        QVERIFY2(!cues.isPlaying(slot), qPrintable(QString("slot %1").arg(slot)));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(directory.isValid());
        previousDirectory = QDir::currentPath();
    }

    void init() { useMedia(allCues()); }

    void cleanupTestCase() { QDir::setCurrent(previousDirectory); }

    void cuesAboveFourAreIgnored_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("5") << 5;
        QTest::newRow("6") << 6;
        QTest::newRow("255") << 255;
    }

    void cuesAboveFourAreIgnored()
    {
        QFETCH(int, index);
        SoundCues cues(nullptr, SoundCues::Output::Present);
        QSignalSpy started(&cues, &SoundCues::cueStarted);
        cues.playIndex(uchar(index));
        for (int slot = 0; slot < SoundCues::SlotCount; ++slot)
            verifyIdle(cues, slot);
        QCOMPARE(started.count(), 0);
    }

    void eachCuePlaysOnItsOwnSlot_data()
    {
        QTest::addColumn<int>("index");
        for (int index = 0; index < SoundCues::SlotCount; ++index)
            QTest::addRow("cue %d", index) << index;
    }

    void eachCuePlaysOnItsOwnSlot()
    {
        QFETCH(int, index);
        SoundCues cues(nullptr, SoundCues::Output::Present);
        QSignalSpy started(&cues, &SoundCues::cueStarted);
        cues.playIndex(uchar(index));
        QCOMPARE(cues.source(index), QUrl(CueFiles[index]));
        QVERIFY(cues.isPlaying(index));
        QCOMPARE(started.count(), 1);
        QCOMPARE(started.first().first().toInt(), index);
        for (int slot = 0; slot < SoundCues::SlotCount; ++slot)
            if (slot != index)
                verifyIdle(cues, slot);
    }

    void disabledSoundIgnoresCuesButNotTheBackgroundCall()
    {
        SoundCues cues(nullptr, SoundCues::Output::Present);
        QVERIFY(cues.isEnabled());
        cues.setEnabled(false);
        QSignalSpy started(&cues, &SoundCues::cueStarted);
        for (int index = 0; index < SoundCues::SlotCount; ++index)
            cues.playIndex(uchar(index));
        for (int slot = 0; slot < SoundCues::SlotCount; ++slot)
            verifyIdle(cues, slot);
        QCOMPARE(started.count(), 0);
        cues.playBackground();
        QCOMPARE(cues.source(0), QUrl(CueFiles[0]));
        QVERIFY(cues.isPlaying(0));
        QCOMPARE(started.count(), 1);
        QCOMPARE(started.first().first().toInt(), 0);
    }

    // Switching sound on or off starts and stops nothing by itself.
    void switchingSoundLeavesThePlayersAlone()
    {
        SoundCues cues(nullptr, SoundCues::Output::Present);
        cues.setEnabled(true);
        verifyIdle(cues, 0);
        cues.playIndex(0);
        QSignalSpy states(cues.player(0), &QMediaPlayer::playbackStateChanged);
        cues.setEnabled(false);
        QVERIFY(cues.isPlaying(0));
        QCOMPARE(states.count(), 0);
    }

    void clickDoesNotInterruptTheMusic()
    {
        SoundCues cues(nullptr, SoundCues::Output::Present);
        cues.playIndex(0);
        QSignalSpy musicStates(cues.player(0), &QMediaPlayer::playbackStateChanged);
        cues.playIndex(4);
        cues.playIndex(2);
        QVERIFY(cues.isPlaying(4));
        QVERIFY(cues.isPlaying(2));
        QVERIFY(cues.isPlaying(0));
        QCOMPARE(cues.source(0), QUrl(CueFiles[0]));
        QCOMPARE(musicStates.count(), 0);
    }

    // A cue played again stops and starts over; so does the music when it
    // is asked for while it plays.
    void playingAgainRestarts_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("page change cue") << 2;
        QTest::newRow("background music") << 0;
    }

    void playingAgainRestarts()
    {
        QFETCH(int, index);
        SoundCues cues(nullptr, SoundCues::Output::Present);
        cues.playIndex(uchar(index));
        QSignalSpy states(cues.player(index), &QMediaPlayer::playbackStateChanged);
        cues.playIndex(uchar(index));
        QCOMPARE(states.count(), 2);
        QCOMPARE(states.at(0).at(0).value<QMediaPlayer::PlaybackState>(),
                 QMediaPlayer::StoppedState);
        QCOMPARE(states.at(1).at(0).value<QMediaPlayer::PlaybackState>(),
                 QMediaPlayer::PlayingState);
        QCOMPARE(cues.source(index), QUrl(CueFiles[index]));
    }

    // Power-on cue → music → music again …, until everything is cleared.
    void powerOnLeadsIntoTheLoopUntilCleared()
    {
        SoundCues cues(nullptr, SoundCues::Output::Present);
        QSignalSpy musicStatus(cues.player(0), &QMediaPlayer::mediaStatusChanged);
        cues.playIndex(1);
        verifyIdle(cues, 0);
        QTRY_VERIFY(cues.isPlaying(0));
        QCOMPARE(cues.source(0), QUrl(CueFiles[0]));
        QTRY_VERIFY(endsOfMedia(musicStatus) >= 2);
        QVERIFY(cues.isPlaying(0));

        cues.playIndex(3);
        cues.clearAll();
        for (int slot = 0; slot < SoundCues::SlotCount; ++slot)
            verifyIdle(cues, slot);
        const int ends = endsOfMedia(musicStatus);
        QTest::qWait(600); // twice the music's length: a running loop would have restarted
        QCOMPARE(endsOfMedia(musicStatus), ends);
        verifyIdle(cues, 0);
    }

    // Missing and broken files play nothing, report nothing to the user, and
    // leave the other slots working; a missing piece of music does not spin.
    void badFilesAreSilent()
    {
        useMedia({{"01.wav", toneWav(100)},
                  {"03.wav", QByteArray("not a sound file at all")},
                  {"04.wav", toneWav(100)}});
        SoundCues cues(nullptr, SoundCues::Output::Present);
        QSignalSpy musicStatus(cues.player(0), &QMediaPlayer::mediaStatusChanged);
        QSignalSpy musicSources(cues.player(0), &QMediaPlayer::sourceChanged);
        QSignalSpy clickStatus(cues.player(4), &QMediaPlayer::mediaStatusChanged);
        cues.playIndex(2); // missing
        cues.playIndex(3); // broken
        cues.playIndex(1); // ends, then asks for the missing music
        cues.playIndex(4);
        QTRY_VERIFY(endsOfMedia(clickStatus) == 1);
        QTRY_VERIFY(cues.player(0)->error() != QMediaPlayer::NoError);
        QTRY_VERIFY(cues.player(2)->error() != QMediaPlayer::NoError);
        QTRY_VERIFY(cues.player(3)->error() != QMediaPlayer::NoError);
        QCOMPARE(cues.player(4)->error(), QMediaPlayer::NoError);
        QCOMPARE(endsOfMedia(musicStatus), 0);
        QCOMPARE(musicSources.count(), 1);
    }

    // Construction touches no player; each slot gets its own player when it
    // is first used, and keeps it.
    void playersAreMadeOnFirstUse()
    {
        SoundCues cues(nullptr, SoundCues::Output::Present);
        QCOMPARE(cues.findChildren<QMediaPlayer*>().size(), 0);
        QCOMPARE(cues.findChildren<QAudioOutput*>().size(), 0);
        cues.clearAll();
        cues.setEnabled(false);
        cues.playIndex(2);
        QCOMPARE(cues.findChildren<QMediaPlayer*>().size(), 0);
        cues.setEnabled(true);
        cues.playIndex(4);
        QCOMPARE(cues.findChildren<QMediaPlayer*>().size(), 1);
        QCOMPARE(cues.findChildren<QAudioOutput*>().size(), 1);
        QVERIFY(cues.isPlaying(4));
        QMediaPlayer* click = cues.player(4);
        cues.playIndex(4);
        QCOMPARE(cues.player(4), click);
        cues.playIndex(0);
        QCOMPARE(cues.findChildren<QMediaPlayer*>().size(), 2);
        QVERIFY(cues.isPlaying(0));
    }

    // Without an audio output: no player ever, every cue and the background
    // call do nothing, and one warning says so, at the first cue wanted.
    void noOutputMakesNoPlayers()
    {
        SoundCues cues(nullptr, SoundCues::Output::Absent);
        QSignalSpy started(&cues, &SoundCues::cueStarted);
        QTest::failOnWarning(QRegularExpression(".*"));
        cues.setEnabled(false);
        cues.playIndex(1); // sound off: nothing is asked of the back-end yet
        cues.setEnabled(true);
        QTest::ignoreMessage(QtWarningMsg, "q3config: no audio output; the sound cues stay silent");
        for (int index = 0; index < SoundCues::SlotCount; ++index)
            cues.playIndex(uchar(index));
        cues.playBackground();
        cues.clearAll();
        cues.playIndex(1);
        QVERIFY(!cues.hasOutput());
        QCOMPARE(cues.player(0), nullptr);
        QCOMPARE(cues.findChildren<QMediaPlayer*>().size(), 0);
        QCOMPARE(cues.findChildren<QAudioOutput*>().size(), 0);
        QCOMPARE(started.count(), 0);
        for (int slot = 0; slot < SoundCues::SlotCount; ++slot)
            verifyIdle(cues, slot);
    }

    // How the output is found can be changed until the first cue is wanted.
    void outputIsDecidedOnce_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<bool>("heard");
        QTest::newRow("present, then absent")
            << int(SoundCues::Output::Present) << int(SoundCues::Output::Absent) << true;
        QTest::newRow("absent, then present")
            << int(SoundCues::Output::Absent) << int(SoundCues::Output::Present) << false;
    }

    void outputIsDecidedOnce()
    {
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(bool, heard);
        SoundCues cues;
        cues.setOutput(SoundCues::Output(first));
        if (!heard)
            QTest::ignoreMessage(QtWarningMsg,
                                 "q3config: no audio output; the sound cues stay silent");
        cues.playIndex(2);
        cues.setOutput(SoundCues::Output(second));
        cues.playIndex(3);
        QCOMPARE(cues.hasOutput(), heard);
        QCOMPARE(cues.isPlaying(2), heard);
        QCOMPARE(cues.isPlaying(3), heard);
        QCOMPARE(cues.findChildren<QMediaPlayer*>().size(), heard ? 2 : 0);
    }

    // Held cues wait for the watched object's first paint event, then each
    // wanted slot plays once; no player exists before. Cleared cues are
    // forgotten; cues forbidden when wanted stay forbidden.
    void heldCuesPlayAfterTheFirstPaint_data()
    {
        QTest::addColumn<QList<int>>("wanted"); // cue numbers; -1 the background call, -2 clearAll
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QList<int>>("playing");
        QTest::newRow("power-on cue") << QList<int>{1} << true << QList<int>{1};
        QTest::newRow("cues and music") << QList<int>{4, 1, 0, 4} << true << QList<int>{0, 1, 4};
        QTest::newRow("background call") << QList<int>{-1} << false << QList<int>{0};
        QTest::newRow("sound off") << QList<int>{1, 2, 7} << false << QList<int>{};
        QTest::newRow("cleared") << QList<int>{1, 0, -2, 3} << true << QList<int>{3};
    }

    void heldCuesPlayAfterTheFirstPaint()
    {
        QFETCH(QList<int>, wanted);
        QFETCH(bool, enabled);
        QFETCH(QList<int>, playing);
        SoundCues cues(nullptr, SoundCues::Output::Present);
        QObject window;
        cues.holdUntilPainted(&window);
        cues.setEnabled(enabled);
        QSignalSpy started(&cues, &SoundCues::cueStarted);
        for (int cue : wanted) {
            if (cue == -1)
                cues.playBackground();
            else if (cue == -2)
                cues.clearAll();
            else
                cues.playIndex(uchar(cue));
        }
        QTest::qWait(50);
        QCOMPARE(cues.findChildren<QMediaPlayer*>().size(), 0);
        QCOMPARE(started.count(), 0);
        QVERIFY(cues.isHeld());

        QEvent other(QEvent::Show);
        QCoreApplication::sendEvent(&window, &other);
        QTest::qWait(50);
        QCOMPARE(started.count(), 0);

        QPaintEvent paint(QRect(0, 0, 10, 10));
        QCoreApplication::sendEvent(&window, &paint);
        QTRY_VERIFY(!cues.isHeld());
        QList<int> startedSlots;
        for (const QList<QVariant>& start : started)
            startedSlots << start.at(0).toInt();
        QCOMPARE(startedSlots, playing);
        for (int slot = 0; slot < SoundCues::SlotCount; ++slot)
            QCOMPARE(cues.isPlaying(slot), playing.contains(slot));

        // From now on cues play at once.
        cues.setEnabled(true);
        cues.playIndex(2);
        QVERIFY(cues.isPlaying(2));
    }

    // The files shipped in modules/media/: decodable, and of the right length.
    void shippedFilesLoad_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("minimumMs");
        QTest::addColumn<int>("maximumMs");
        QTest::newRow("00.mp3 background") << "00.mp3" << 3000 << 20000;
        QTest::newRow("01.wav power-on") << "01.wav" << 300 << 2500;
        QTest::newRow("02.wav page change") << "02.wav" << 50 << 1000;
        QTest::newRow("03.wav link") << "03.wav" << 50 << 1500;
        QTest::newRow("04.wav click") << "04.wav" << 10 << 500;
    }

    void shippedFilesLoad()
    {
        QFETCH(QString, file);
        QFETCH(int, minimumMs);
        QFETCH(int, maximumMs);
        QMediaPlayer player;
        QAudioOutput output; // GStreamer builds no pipeline without one
        player.setAudioOutput(&output);
        player.setSource(QUrl::fromLocalFile(QStringLiteral(Q3_MEDIA_DIR "/") + file));
        QTRY_VERIFY(player.mediaStatus() == QMediaPlayer::LoadedMedia ||
                    player.error() != QMediaPlayer::NoError);
        QCOMPARE(player.error(), QMediaPlayer::NoError);
        QVERIFY2(player.duration() >= minimumMs && player.duration() <= maximumMs,
                 qPrintable(QString::number(player.duration())));
    }
};

QTEST_GUILESS_MAIN(TestSoundCues)
#include "tst_soundcues.moc"
