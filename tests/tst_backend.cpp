// The backend view: construction, synchronisation with the keyboard, the
// device operations (checked in the keyboard's capture and the profile file),
// the definition tables and the profile store.
#include "backendrig.h"
#include "languagepackvalid.h"
#include "macroencoder.h"
#include "testsupport.h"

#include <QApplication>
#include <QSettings>
#include <QTest>

namespace {

QVariantList ints(std::initializer_list<int> values)
{
    QVariantList list;
    for (int v : values)
        list << v;
    return list;
}

QVariantList toInts(const QVariantList& list)
{
    QVariantList result;
    for (const QVariant& v : list)
        result << v.toInt();
    return result;
}

// A stored list as the texts of its elements; an invalid element reads "".
QStringList texts(const QVariant& stored)
{
    QStringList result;
    for (const QVariant& v : stored.toList())
        result << (v.isValid() ? v.toString() : QString());
    return result;
}

QVariantList picture(int seed, int length = 512)
{
    QVariantList list;
    for (int i = 0; i < length; ++i)
        list << (i * 13 + seed) % 256;
    return list;
}

void writeMacro(BackendRig& rig, const QString& name, const QStringList& steps)
{
    QSettings macro(rig.dir.filePath("modules/macro/" + name + ".bin"), QSettings::IniFormat);
    macro.setValue("config/index", 3);
    macro.setValue("config/total", int(steps.size()));
    for (int i = 0; i < steps.size(); ++i)
        macro.setValue("macro/" + QString::number(i), steps[i]);
}

QStringList keySteps(int pairs)
{
    QStringList steps;
    for (int i = 0; i < pairs; ++i)
        steps << "A    [Down]"
              << "A      [Up]";
    return steps;
}

} // namespace

class TestBackend : public QObject
{
    Q_OBJECT

private slots:
    void init() { languagePackValid = true; }
    void limitsAreClamped_data()
    {
        QTest::addColumn<QByteArray>("definition");
        QTest::addColumn<int>("profiles");
        QTest::addColumn<int>("macros");
        QTest::newRow("12 profiles, 300 macros")
            << QByteArray("[common]\nmaxProfile=12\nmaxMacro=300\n") << 10 << 255;
        QTest::newRow("10 profiles, 254 macros")
            << QByteArray("[common]\nmaxProfile=10\nmaxMacro=254\n") << 10 << 254;
        QTest::newRow("absent") << QByteArray("[common]\nkbLayoutType=1\n") << 0 << 0;
    }

    void limitsAreClamped()
    {
        QFETCH(QByteArray, definition);
        QFETCH(int, profiles);
        QFETCH(int, macros);
        BackendRig rig(definition);
        QCOMPARE(rig.view->profileCount(), profiles);
        QCOMPARE(int(rig.view->getMaxProfile()), profiles);
        QCOMPARE(int(rig.view->macroSlotCount()), macros);
        if (profiles > 0)
            QVERIFY(rig.view->profileSettings(profiles - 1)
                        ->fileName()
                        .endsWith("modules/setting/p" + QString::number(profiles) + ".bin"));
        QCOMPARE(rig.view->profileSettings(profiles), nullptr);
    }

    void syncTakesLayoutAndProfileFromTheKeyboard()
    {
        VirtualKeyboardConfig config;
        config.layoutMode = 1;
        BackendRig rig({}, config);
        rig.keyboard.selectProfileOnKeyboard(2);
        QCOMPARE(int(rig.view->layoutType()), 0); // the definition file's value
        rig.view->syncFW();
        QCOMPARE(int(rig.view->layoutType()), 1);
        QCOMPARE(rig.view->ui_80H_GetHWMode().toInt(), 1);
        QCOMPARE(rig.view->ui_A1H_GetCurrentProfile().toInt(), 2);
        QCOMPARE(int(rig.view->keyNames().value("A")), 0x04);
        // The drawing and the key assignments follow the keyboard's layout.
        QCOMPARE(rig.view->loadHWDef().value(0).toInt(), 104);
    }

    void syncWithoutKeyboardKeepsLayoutAndResetsProfile()
    {
        BackendRig rig("[common]\nkbLayoutType=1\nmaxProfile=3\n");
        rig.view->ui_21H_SetCurrentProfile(2);
        rig.keyboard.unplug();
        rig.view->syncFW();
        QCOMPARE(int(rig.view->layoutType()), 1);
        QCOMPARE(rig.view->ui_A1H_GetCurrentProfile().toInt(), 0);
    }

    void syncLedStoresTheKeyboardLightingInSceneUnits()
    {
        BackendRig rig;
        VirtualProfile profile;
        profile.lighting = {3, 5, 2, 1, 7, 9, 11};
        profile.colors[0] = 63;
        profile.colors[1] = 1;
        profile.colors[20] = 32;
        rig.keyboard.setProfile(0, profile);
        rig.view->syncLed();
        QCOMPARE(toInts(rig.view->ui_88H_GetLEDType()), ints({3, 5, 2, 1, 7, 9, 11}));
        const QVariantList colors = toInts(rig.view->ui_B0H_GetColor());
        QCOMPARE(colors.size(), 21);
        QCOMPARE(colors[0].toInt(), 252);
        QCOMPARE(colors[1].toInt(), 4);
        QCOMPARE(colors[20].toInt(), 128);
    }

    void syncLedWithoutKeyboardChangesNothing()
    {
        BackendRig rig;
        rig.view->ui_30H_SetColor(ints({8, 8, 8}));
        rig.keyboard.unplug();
        rig.view->syncLed();
        QVERIFY(rig.view->ui_88H_GetLEDType().isEmpty());
        QCOMPARE(toInts(rig.view->ui_B0H_GetColor()), ints({8, 8, 8}));
    }

    void colorsAreDividedTowardsTheKeyboardAndStoredAsGiven()
    {
        BackendRig rig;
        QVariantList colors = ints({255, 128, 3});
        for (int i = 3; i < 21; ++i)
            colors << 100;
        rig.view->ui_30H_SetColor(colors);
        QVERIFY(rig.settle());
        QCOMPARE(rig.commandsSent(), QList<QByteArray>{hex("00 30 00 00 00 00 55 AA 00")});
        // 255 / 4 = 63, 128 / 4 = 32, 3 / 4 = 0, and 100 / 4 = 25 for the 18
        // channels after them; nothing behind the 21 channels.
        QCOMPARE(rig.payloadsSent().value(0),
                 hex("3F 20 00") + QByteArray(18, 0x19) + QByteArray(43, 0));
        QCOMPARE(toInts(rig.view->ui_B0H_GetColor()), colors);
        QCOMPARE(rig.keyboard.profile(0).colors[0], quint8(63));
    }

    void shortListsReadMissingElementsAsZero()
    {
        BackendRig rig;
        rig.view->ui_30H_SetColor(ints({40}));
        rig.view->ui_0C0DH_SetKeyMatrix(ints({0x04, 0x00, 0x05}));
        QVERIFY(rig.settle());
        const QList<QByteArray> payloads = rig.payloadsSent();
        QCOMPARE(payloads[0], QByteArray(1, 10) + QByteArray(63, 0));
        QCOMPARE(payloads[1], hex("04 00 05") + QByteArray(125, 0));
        QCOMPARE(payloads[2], QByteArray(128, 0));
        // The profile holds real zeros, as the file shows them once written.
        QSettings* profile = rig.view->profileSettings(0);
        const QString group = "keydefine" + QString::number(rig.view->layoutType()) + '/';
        profile->sync();
        QSettings onDisk(profile->fileName(), QSettings::IniFormat);
        for (QSettings* settings : {profile, &onDisk}) {
            QCOMPARE(texts(settings->value(group + "0")), QStringList({"4", "0"}));
            QCOMPARE(texts(settings->value(group + "1")), QStringList({"5", "0"}));
            QCOMPARE(texts(settings->value(group + "2")), QStringList({"0", "0"}));
            QCOMPARE(texts(settings->value(group + "127")), QStringList({"0", "0"}));
        }
    }

    void keyMatrixGoesToTheLayoutsGroupAndTheKeyboard()
    {
        VirtualKeyboardConfig config;
        config.layoutMode = 1;
        BackendRig rig({}, config);
        rig.view->syncFW();
        QVariantList matrix;
        for (int i = 0; i < 256; ++i)
            matrix << (i % 2 ? 0x30 : i / 2);
        rig.view->ui_0C0DH_SetKeyMatrix(matrix);
        QVERIFY(rig.settle());
        QSettings* profile = rig.view->profileSettings(0);
        QCOMPARE(toInts(profile->value("keydefine1/0").toList()), ints({0, 0x30}));
        QCOMPARE(toInts(profile->value("keydefine1/127").toList()), ints({127, 0x30}));
        QVERIFY(!profile->contains("keydefine0/0"));
        QCOMPARE(toInts(rig.view->getKeydefine(QVariant("5"))), ints({5, 0x30}));
        const QList<QByteArray> commands = rig.commandsSent();
        QCOMPARE(commands.mid(commands.size() - 2),
                 (QList<QByteArray>{hex("00 0C 00 00 00 00 55 AA 00"),
                                    hex("00 0D 00 00 00 00 55 AA 00")}));
        QCOMPARE(rig.view->ui_8C8DH_GetKeyMatrix(), toInts(matrix));
    }

    void pictureStoredAndSentAsFourPlanes()
    {
        BackendRig rig;
        const QVariantList shown = picture(1);
        rig.view->ui_12H_SetUserPicture(2, 0, shown);
        QVERIFY(rig.settle());
        const QList<QByteArray> commands = rig.commandsSent();
        QCOMPARE(commands, (QList<QByteArray>{hex("00 12 00 02 00 00 55 AA 00"),
                                              hex("00 12 00 02 01 00 55 AA 00"),
                                              hex("00 12 00 02 02 00 55 AA 00"),
                                              hex("00 12 00 02 03 00 55 AA 00")}));
        // Slot k holds option, red, green, blue at 4k … 4k + 3: plane 0 takes
        // the options as they are, planes 1 … 3 the colours in keyboard units.
        QList<QByteArray> expected(4, QByteArray(128, 0));
        for (int k = 0; k < 128; ++k) {
            expected[0][k] = char(shown[4 * k].toInt());
            expected[1][k] = char(shown[4 * k + 1].toInt() / 4);
            expected[2][k] = char(shown[4 * k + 2].toInt() / 4);
            expected[3][k] = char(shown[4 * k + 3].toInt() / 4);
        }
        QCOMPARE(rig.payloadsSent(), expected);
        QCOMPARE(rig.view->ui_92H_GetUserPicture(2), shown);
    }

    void pictureWithOption255IsStoredButNotSent()
    {
        BackendRig rig;
        const QVariantList kept = picture(7);
        rig.view->ui_12H_SetUserPicture(4, 255, kept);
        QVERIFY(rig.settle());
        QVERIFY(rig.keyboard.capture().isEmpty());
        QCOMPARE(rig.view->ui_92H_GetUserPicture(4), kept);
    }

    void picturesOfOtherLengthsReadAsZeros_data()
    {
        QTest::addColumn<int>("stored");
        QTest::newRow("never stored") << -1;
        QTest::newRow("511 values") << 511;
        QTest::newRow("513 values") << 513;
    }

    void picturesOfOtherLengthsReadAsZeros()
    {
        QFETCH(int, stored);
        BackendRig rig;
        if (stored >= 0)
            rig.view->ui_12H_SetUserPicture(1, 255, picture(3, stored));
        QCOMPARE(rig.view->ui_92H_GetUserPicture(1), QVariantList(512, 0));
    }

    void lightingStoredThenSent()
    {
        BackendRig rig;
        rig.view->ui_08H_SetLEDType(1, 2, 3, 4, 5, 6, 7);
        QVERIFY(rig.settle());
        QCOMPARE(rig.commandsSent(), QList<QByteArray>{hex("00 08 01 02 03 04 05 06 07")});
        QCOMPARE(toInts(rig.view->ui_88H_GetLEDType()), ints({1, 2, 3, 4, 5, 6, 7}));
    }

    void switchingProfileRedirectsTheMirror()
    {
        BackendRig rig;
        rig.view->ui_21H_SetCurrentProfile(0x102); // low 8 bits
        rig.view->ui_08H_SetLEDType(9, 9, 9, 9, 9, 9, 9);
        QVERIFY(rig.settle());
        QCOMPARE(rig.view->ui_A1H_GetCurrentProfile().toInt(), 2);
        QCOMPARE(rig.commandsSent().value(0), hex("00 21 02 00 00 00 55 AA 00"));
        QCOMPARE(rig.keyboard.currentProfile(), 2);
        QVERIFY(rig.view->profileSettings(2)->contains("color/ledType"));
        QVERIFY(!rig.view->profileSettings(0)->contains("color/ledType"));
    }

    // A keyboard profile beyond the configured count: nothing is mirrored,
    // the command still reaches the keyboard, reads give their defaults.
    void profileBeyondTheCountIsNeverTouched()
    {
        VirtualKeyboardConfig config;
        config.profiles = 6;
        BackendRig rig({}, config);
        rig.keyboard.selectProfileOnKeyboard(5);
        rig.view->syncFW();
        QCOMPARE(rig.view->ui_A1H_GetCurrentProfile().toInt(), 5);
        rig.view->ui_08H_SetLEDType(1, 1, 1, 1, 1, 1, 1);
        rig.view->ui_12H_SetUserPicture(0, 255, picture(1));
        rig.view->syncLed();
        QVERIFY(rig.settle());
        QVERIFY(rig.view->ui_88H_GetLEDType().isEmpty());
        QVERIFY(rig.view->ui_B0H_GetColor().isEmpty());
        QCOMPARE(rig.view->ui_92H_GetUserPicture(0), QVariantList(512, 0));
        QVERIFY(rig.view->getKeydefine(0).isEmpty());
        QCOMPARE(rig.keyboard.profile(5).lighting[0], quint8(1));
        for (int i = 0; i < rig.view->profileCount(); ++i)
            QVERIFY(rig.view->profileSettings(i)->allKeys().isEmpty());
    }

    void firmwareVersionText_data()
    {
        QTest::addColumn<int>("version");
        QTest::addColumn<bool>("plugged");
        QTest::addColumn<QString>("text");
        QTest::newRow("0A.05") << 0x0A05 << true << "0A.05";
        QTest::newRow("01.03") << 0x0103 << true << "01.03";
        QTest::newRow("1A.2B") << 0x1A2B << true << "1A.2B";
        QTest::newRow("version 0") << 0 << true << "unknown";
        QTest::newRow("no keyboard") << 0x0A05 << false << "unknown";
    }

    void firmwareVersionText()
    {
        QFETCH(int, version);
        QFETCH(bool, plugged);
        QFETCH(QString, text);
        VirtualKeyboardConfig config;
        config.firmwareVersion = quint16(version);
        BackendRig rig({}, config);
        if (!plugged)
            rig.keyboard.unplug();
        QCOMPARE(rig.view->ui_80H_GetFWVersion(), text);
    }

    void keyboardModeKeepsTheOtherOptionBytes()
    {
        BackendRig rig;
        rig.keyboard.setKeyboardOptions({0, 7, 9});
        rig.view->ui_02H_SetKeyboardMode(1);
        QVERIFY(rig.settle());
        QCOMPARE(rig.commandsSent().last(), hex("00 02 01 07 09 00 55 AA 00"));
        QCOMPARE(rig.view->ui_82H_GetKeyboardMode().toInt(), 1);
    }

    void sensitivityAndRecoveryReachTheKeyboard()
    {
        BackendRig rig;
        rig.view->ui_04H_SetButtonSensitivity(12);
        rig.view->ui_13H_SetRecoveryData();
        QVERIFY(rig.settle());
        QCOMPARE(rig.view->ui_84H_GetButtonSensitivity().toInt(), 12);
        QCOMPARE(rig.keyboard.recoveryRequests(), 1);
    }

    void reportRateIsNeverStoredForThisKeyboard()
    {
        BackendRig rig;
        rig.view->ui_01H_SetReportRate(3);
        QVERIFY(!rig.view->profileSettings(0)->contains("sensor/reportRate_Q4"));
        QVERIFY(rig.keyboard.capture().isEmpty());
        QCOMPARE(rig.view->ui_81H_GetReportRate().toInt(), 0);
    }

    // The keyboard receives the encoding with the bytes of each word swapped.
    void macroDownload_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QByteArray>("buffer");
        QTest::addColumn<bool>("warned");
        QTest::newRow("no steps") << QStringList{} << hex("01 00 00 00") << false;
        QTest::newRow("A down, up") << keySteps(1) << hex("01 00 04 01 04 81 00 00") << false;
        QTest::newRow("delay") << QStringList{"1000   [Delay]"} << hex("01 00 00 7F 64 00 00 00")
                               << false;
        QByteArray full = hex("01 00");
        for (int i = 0; i < 31; ++i)
            full += hex("04 01 04 81");
        QTest::newRow("62 key steps fit") << keySteps(31) << full + hex("00 00") << false;
        QTest::newRow("63 key steps warn, first 128 bytes sent")
            << keySteps(31) + QStringList{"A    [Down]"} << full + hex("04 01") << true;
    }

    void macroDownload()
    {
        QFETCH(QStringList, steps);
        QFETCH(QByteArray, buffer);
        QFETCH(bool, warned);
        BackendRig rig;
        rig.view->syncFW(); // key names
        rig.keyboard.clearCapture();
        writeMacro(rig, "Fire", steps);
        rig.view->ui_10H_SetMacroKey(QVariant("7"), QVariant("Fire"));
        QVERIFY(rig.settle());
        QCOMPARE(rig.commandsSent(), QList<QByteArray>{hex("00 10 00 07 00 00 55 AA 00")});
        QCOMPARE(rig.payloadsSent().value(0), buffer + QByteArray(128 - buffer.size(), 0));
        QCOMPARE(rig.keyboard.macro(7), buffer + QByteArray(128 - buffer.size(), 0));
        QCOMPARE(rig.dialogs.warnings.size(), warned ? 1 : 0);
    }

    void freshStartCreatesOneMacroFilePerSlot()
    {
        BackendRig rig;
        const QStringList names = rig.view->getMacroIniNames();
        QCOMPARE(names.size(), int(rig.view->macroSlotCount()));
        QCOMPARE(names.first(), QString("Macro. 001.bin"));
        QCOMPARE(names.last(), QString("Macro. 032.bin"));
        QCOMPARE(rig.view->loadMacroIniConfig("Macro. 032"), (QVariantList{31, 1}));
    }

    void savingDownloadsSlotsUpTo16_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("packet"); // empty: nothing downloaded
        QTest::newRow("slot 0") << "Macro. 001" << hex("00 10 00 00 00 00 55 AA 00");
        QTest::newRow("slot 16") << "Macro. 017" << hex("00 10 00 10 00 00 55 AA 00");
        QTest::newRow("slot 17") << "Macro. 018" << QByteArray();
        QTest::newRow("no slot") << "Loose" << QByteArray();
    }

    void savingDownloadsSlotsUpTo16()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, packet);
        BackendRig rig;
        rig.view->syncFW();
        rig.writeFile("modules/macro/Loose.bin", "[config]\nindex=-1\n");
        rig.keyboard.clearCapture();
        const QStringList steps{"A    [Down]", "A      [Up]"};
        QCOMPARE(rig.view->saveMacroIni(name, steps).toBool(), true);
        QVERIFY(rig.settle());
        QCOMPARE(rig.view->loadMacroIni(name), steps);
        const int slot = name.mid(7).toInt() - 1;
        if (!packet.isEmpty()) {
            QCOMPARE(rig.commandsSent(), QList<QByteArray>{packet});
            QCOMPARE(rig.keyboard.macro(slot).left(8), hex("01 00 04 01 04 81 00 00"));
        } else {
            QVERIFY(rig.keyboard.capture().isEmpty());
        }
        QCOMPARE(rig.view->saveMacroIni("Absent", steps).toBool(), false);
    }

    void macroExportAndImportRoundTrip()
    {
        BackendRig rig;
        rig.view->saveMacroIni("Macro. 020", {"300   [Delay]"});
        const QString exported = rig.dir.filePath("fire.mc");
        rig.dialogs.nextFile = exported;
        rig.view->saveMacroIniToFile("Macro. 020");
        const QByteArray bytes = rig.readFile("fire.mc");
        QCOMPARE(bytes, rig.readFile("modules/macro/Macro. 020.bin"));
        QCOMPARE(rig.view->loadMacroIniFromFile("Macro. 021"), true);
        QCOMPARE(rig.readFile("modules/macro/Macro. 021.bin"), bytes);
        QCOMPARE(rig.dialogs.captions,
                 (QStringList{"Save File|Macro(*.mc)", "Open File|Macro(*.mc)"}));
        // A cancelled chooser and a file that is gone import nothing.
        rig.dialogs.nextFile = QString();
        QCOMPARE(rig.view->loadMacroIniFromFile("Macro. 021"), false);
        rig.dialogs.nextFile = rig.dir.filePath("gone.mc");
        QCOMPARE(rig.view->loadMacroIniFromFile("Macro. 021"), false);
        QCOMPARE(rig.readFile("modules/macro/Macro. 021.bin"), bytes);
        rig.view->renameMacroIniFile("Macro. 021", "../outside");
        QVERIFY(!QFile::exists(rig.dir.filePath("modules/outside.bin")));
        QVERIFY(rig.view->getMacroIniNames().contains("Macro. 021.bin"));
    }

    void macroConfigurationRecordsTheDevice()
    {
        BackendRig rig;
        rig.view->setMacroIniConfig("Macro. 003", {2, 4});
        QCOMPARE(rig.view->loadMacroIniConfig("Macro. 003"), (QVariantList{2, 4}));
        QVERIFY(rig.view->loadMacroIniConfig("Absent").isEmpty());
        const QVariant created = rig.view->createMacroIni();
        QCOMPARE(created.toString(), QString("Macro. 033"));
        QCOMPARE(rig.view->deleteMacroIni(created).toBool(), true);
        QCOMPARE(rig.view->deleteMacroIni(created).toBool(), false);
    }

    void settingsResetAndSkins()
    {
        BackendRig rig;
        rig.view->saveApConfig({1, 2});
        QCOMPARE(rig.view->loadApConfig().size(), 2);
        rig.view->resetApconfig();
        QCOMPARE(rig.readFile("modules/setting/apConfig.bin"),
                 rig.readFile("modules/setting/apConfigD.bin"));
        QCOMPARE(rig.view->loadApConfig().size(), 32);
        // The factory language is English, by its place in the language list.
        QCOMPARE(rig.view->chkLanguages().keys().value(rig.view->loadApConfig()[4].toInt()),
                 QString("ENGLISH"));
        QVERIFY(!rig.view->getIsSkinShow());
        QDir(rig.dir.path()).mkpath("modules/img/skin1");
        QDir(rig.dir.path()).mkpath("modules/img/skin2");
        QVERIFY(rig.view->getIsSkinShow());
    }

    void languagePackGatesDeviceTraffic()
    {
        BackendRig rig;
        const QVariantMap languages = rig.view->chkLanguages();
        QCOMPARE(languages.value("ENGLISH").toString(), QString("031000"));
        QCOMPARE(languages.value("CHINESE (Simp)").toString(), QString("025044"));
        QCOMPARE(languages.value("CHINESE (Trad)").toString(), QString("025208"));
        rig.writeFile("modules/i18n/lang_031224.ini",
                      "[font]\nfamily=Arial\ntotal=1\ncs=0\n[strings]\n1=EDITED\n");
        QCOMPARE(rig.view->getGlobalStrings("031224"), (QStringList{"Arial", "EDITED"}));
        rig.view->ui_21H_SetCurrentProfile(1);
        rig.view->ui_30H_SetColor(ints({4, 4, 4}));
        QCOMPARE(rig.view->ui_80H_GetFWVersion(), QString("unknown"));
        QVERIFY(rig.settle());
        QVERIFY(rig.keyboard.capture().isEmpty());
        // Every shipped pack is valid and turns the traffic back on.
        for (const QVariant& code : languages) {
            rig.view->getGlobalStrings("031224");
            const QStringList strings = rig.view->getGlobalStrings(code.toString());
            QCOMPARE(strings.size(), 131); // the font family and 130 texts
            QCOMPARE(rig.view->ui_80H_GetFWVersion(), QString("01.03"));
        }
        rig.view->ui_21H_SetCurrentProfile(1);
        QVERIFY(rig.settle());
        QCOMPARE(rig.commandsSent().last(), hex("00 21 01 00 00 00 55 AA 00"));
    }

    // The stored language choice is a place in the list of every installed
    // pack; a pack that fails its check stays in that list and is left out
    // of the offered one only.
    void languageListsWithABrokenPack()
    {
        BackendRig rig;
        rig.writeFile("modules/i18n/lang_031224.ini",
                      "[font]\nfamily=Arial\ntotal=1\ncs=0\n[strings]\n1=EDITED\n");
        const QStringList shipped{"CHINESE (Simp)", "CHINESE (Trad)", "ENGLISH",
                                  "FRENCH",         "GERMAN",         "ITALIAN",
                                  "JAPANESE",       "KOREAN",         "PORTUGUESE (BRAZIL)",
                                  "RUSSIAN",        "SPANISH"};
        QStringList installed = shipped;
        installed.insert(3, "ENGLISH (UNITEDKINGDOM)");
        QCOMPARE(rig.view->chkLanguages().keys(), installed);
        QCOMPARE(rig.view->chkLanguages().value("ENGLISH (UNITEDKINGDOM)").toString(),
                 QString("031224"));
        QCOMPARE(rig.view->chkValidLanguages().keys(), shipped);
        QCOMPARE(rig.view->chkValidLanguages().value("GERMAN").toString(), QString("042000"));
    }

    void customBackgroundChooser()
    {
        BackendRig rig;
        rig.view->getGlobalStrings("031000");
        rig.dialogs.nextFile.clear();
        QCOMPARE(rig.view->getCustomFilePath(), QString());
        rig.writeFile("picture.png", "not really a picture, but readable");
        rig.dialogs.nextFile = rig.dir.filePath("picture.png");
        QCOMPARE(rig.view->getCustomFilePath(), rig.dir.filePath("picture.png"));
        QVERIFY(rig.dialogs.warnings.isEmpty());
        rig.dialogs.nextFile = rig.dir.filePath("gone.png");
        QCOMPARE(rig.view->getCustomFilePath(), QString());
        QCOMPARE(rig.dialogs.warnings.size(), 1);
        const QStringList strings = rig.view->getGlobalStrings("031000");
        QSettings pack(rig.dir.filePath("modules/i18n/lang_031000.ini"), QSettings::IniFormat);
        QCOMPARE(rig.dialogs.warnings.first(), pack.value("msg/2").toString() + '|' +
                                                   pack.value("msg/3").toString() +
                                                   rig.dir.filePath("gone.png"));
        QCOMPARE(rig.dialogs.captions.last(), QString("Open File|Image Files(*.png)"));
    }

    void loadHWDefShapes_data()
    {
        QTest::addColumn<QByteArray>("definition");
        QTest::addColumn<QVariantList>("expected");
        QTest::newRow("two keys") << QByteArray(
                                         "[0]\ntotal_HW=2\ntotal_FW=128\n1=10, 20, 1, Esc, 0, 41\n"
                                         "2=40, 20, 2, \"A,B\", 5, 65535\n")
                                  << QVariantList{2,   128, 10, 20, 1,     "Esc", 0,
                                                  41u, 40,  20, 2,  "A,B", 5,     65535u};
        QTest::newRow("no key count") << QByteArray("[0]\ntotal_FW=128\n") << QVariantList{0, 128};
        QTest::newRow("nothing") << QByteArray("[1]\ntotal_HW=3\n") << QVariantList{0, 0};
        QTest::newRow("short and missing entries")
            << QByteArray("[0]\ntotal_HW=2\ntotal_FW=1\n1=3, 4\n")
            << QVariantList{2, 1, 3, 4, 0, "", 0, 0u, 0, 0, 0, "", 0, 0u};
        // Counts no drawing has: the first 1024 keys are read.
        QVariantList first1024{1024, 128, 10, 20, 1, "Esc", 0, 41u};
        for (int key = 2; key <= 1024; ++key)
            first1024 << 0 << 0 << 0 << "" << 0 << 0u;
        QTest::newRow("count beyond any drawing")
            << QByteArray("[0]\ntotal_HW=5000\ntotal_FW=128\n1=10, 20, 1, Esc, 0, 41\n")
            << first1024;
        QTest::newRow("largest count")
            << QByteArray("[0]\ntotal_HW=2147483647\ntotal_FW=128\n1=10, 20, 1, Esc, 0, 41\n")
            << first1024;
    }

    void loadHWDefShapes()
    {
        QFETCH(QByteArray, definition);
        QFETCH(QVariantList, expected);
        BackendRig rig(definition);
        QCOMPARE(rig.view->loadHWDef(), expected);
    }

    void keyNameTablePairsByPosition()
    {
        BackendRig rig;
        rig.writeFile("modules/setting/KeyCodeDef.bin",
                      "[common]\nusbStr=A, B, C\nusbCode=4, 300\n");
        rig.view->syncFW();
        QCOMPARE(rig.view->keyNames().size(), 2);
        QCOMPARE(int(rig.view->keyNames().value("B")), 44);
        QCOMPARE(rig.view->loadUsbStr(), (QVariantList{"A", "B", "C"}));
        QCOMPARE(rig.view->loadUsbCode(), (QVariantList{"4", "300"}));
    }

    void exportCopiesTheProfileFile()
    {
        BackendRig rig;
        rig.view->ui_08H_SetLEDType(1, 2, 3, 4, 5, 6, 7);
        const QString target = rig.dir.filePath("mine.pf");
        rig.writeFile("mine.pf", "old contents that must go\n");
        rig.dialogs.nextFile = target;
        rig.view->saveProfile(0);
        QCOMPARE(rig.readFile("mine.pf"), rig.readFile("modules/setting/p1.bin"));
        QVERIFY(rig.readFile("mine.pf").contains("ledType"));
        QCOMPARE(rig.dialogs.captions, QStringList{"Save File|Profile(*.pf)"});
        rig.dialogs.nextFile.clear(); // cancelled: nothing happens
        rig.view->ui_08H_SetLEDType(7, 7, 7, 7, 7, 7, 7);
        rig.view->saveProfile(0);
        QVERIFY(rig.readFile("mine.pf").contains("1, 2, 3"));
    }

    void importReplacesOnlyThatProfile()
    {
        BackendRig rig;
        rig.view->ui_21H_SetCurrentProfile(2);
        rig.view->ui_08H_SetLEDType(1, 1, 1, 1, 1, 1, 1);
        rig.view->ui_21H_SetCurrentProfile(0);
        rig.view->ui_08H_SetLEDType(5, 5, 5, 5, 5, 5, 5);
        rig.view->profileSettings(0)->sync();
        const QByteArray first = rig.readFile("modules/setting/p1.bin");
        const QByteArray imported = "[color]\nledType=2, 7, 3, 0, 1, 0, 0\n";
        rig.writeFile("chosen.pf", imported);
        rig.dialogs.nextFile = rig.dir.filePath("chosen.pf");
        rig.view->loadProfile(2);
        QCOMPARE(rig.readFile("modules/setting/p3.bin"), imported);
        QCOMPARE(rig.readFile("modules/setting/p1.bin"), first);
        rig.view->ui_21H_SetCurrentProfile(2);
        QCOMPARE(toInts(rig.view->ui_88H_GetLEDType()), ints({2, 7, 3, 0, 1, 0, 0}));
    }

    void importingTheProfilesOwnFileKeepsIt()
    {
        BackendRig rig;
        rig.view->ui_08H_SetLEDType(4, 4, 4, 4, 4, 4, 4);
        rig.view->profileSettings(0)->sync();
        const QByteArray before = rig.readFile("modules/setting/p1.bin");
        QVERIFY(!before.isEmpty());
        rig.dialogs.nextFile = rig.dir.filePath("modules/setting/p1.bin");
        rig.view->loadProfile(0);
        QCOMPARE(rig.readFile("modules/setting/p1.bin"), before);
        QCOMPARE(toInts(rig.view->ui_88H_GetLEDType()), ints({4, 4, 4, 4, 4, 4, 4}));
    }

    void resetRestoresTheFactoryProfile()
    {
        BackendRig rig;
        const QSettings pD(rig.dir.filePath("modules/setting/pD.bin"), QSettings::IniFormat);
        const QVariantList factory = pD.value("color/ledType").toList();
        QCOMPARE(factory.size(), 7);
        rig.view->ui_08H_SetLEDType(9, 9, 9, 9, 9, 9, 9); // pending, not yet on disk
        // The factory value, not the current profile's.
        QCOMPARE(rig.view->loadDefaultProfile("color/ledType").toList(), factory);
        rig.view->resetProfile(0);
        QTest::qWait(10); // a deferred write must not bring the old values back
        rig.view->profileSettings(0)->sync();
        QCOMPARE(rig.readFile("modules/setting/p1.bin"), rig.readFile("modules/setting/pD.bin"));
        QCOMPARE(rig.view->ui_88H_GetLEDType(), factory);
        QCOMPARE(rig.view->loadDefaultProfile("color/ledType").toList(), factory);
        QVERIFY(!rig.view->loadDefaultProfile("no/such key").isValid());
    }

    void profileSlotsIgnoreIndexesBeyondTheCount()
    {
        BackendRig rig;
        rig.writeFile("chosen.pf", "[color]\nledType=1\n");
        rig.dialogs.nextFile = rig.dir.filePath("chosen.pf");
        for (int profile : {3, -1, 200}) {
            rig.view->loadProfile(profile);
            rig.view->resetProfile(profile);
            rig.view->saveProfile(profile);
        }
        QVERIFY(rig.dialogs.captions.isEmpty());
        QVERIFY(!QFile::exists(rig.dir.filePath("modules/setting/p4.bin")));
        QVERIFY(!QFile::exists(rig.dir.filePath("modules/setting/p0.bin")));
    }
};

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    TestBackend test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_backend.moc"
