#pragma once

#include "appsettings.h"
#include "deviceeventsink.h"
#include "macrolibrary.h"
#include "profilestore.h"

#include <QList>
#include <QMap>
#include <QQuickWidget>
#include <QSettings>
#include <QStringList>
#include <QTimer>
#include <QVariant>
#include <memory>

class Dialogs;
class SoundCues;
class Hid_Thread;

// The view that shows the scene and the scene's backend: every public slot is
// callable by name from the scene and runs on the GUI thread. Owns its
// settings objects, the profile store and the macro library. Drives the scene
// only by invoking root functions by name.
class myQQuickView : public QQuickWidget, public DeviceEventSink
{
    Q_OBJECT
public:
    explicit myQQuickView(QWidget* parent = nullptr);
    ~myQQuickView() override;

    Hid_Thread* hidThread = nullptr; // not owned; set by the shell after construction

    // Display names of the device-table entries, from the application settings.
    QStringList productNames() const;

    quint8 layoutType() const { return kbLayoutType; }
    quint8 profileIndex() const { return profiles.currentIndex(); }
    int profileCount() const { return profiles.count(); }
    quint8 macroSlotCount() const { return maxMacro; }
    QSettings* profileSettings(int index) const { return profiles.at(index); }
    const QMap<QString, quint8>& keyNames() const { return KeyNameTable; }

    // Replaces the dialogs (file choosers, warnings); not owned, null restores
    // the system dialogs.
    void setDialogs(Dialogs* dialogs);

    // DeviceEventSink: called on the event loop's thread; the profile write and
    // the scene call happen on the GUI thread.
    void keyboardLightingChanged(const QList<int>& lighting) override;

    // Key and mouse-button events seen anywhere on the desktop, handed to the
    // scene's "detectKeyboard" and "detectMouse" (queued).
    void keyDetected(bool isDown, int usbCode);
    void mouseDetected(bool isDown, uint vornCode, uint x, uint y);

    SoundCues* soundCues() const { return mediaObjects; }

public slots:
    void syncFW();
    void syncLed();
    void initUI();
    void zzzMorvat();
    void runUI();
    void setEnableAudio(bool isEnable);
    void playMedia_Index(uchar index);
    void playMedia_Background();
    void clearAllMedia();
    void saveApConfig(QVariantList apConfigs);
    QVariantList loadApConfig();
    void resetApconfig();
    QVariantList loadHWDef();
    QVariantList loadUsbStr();
    QVariantList loadUsbCode();
    bool getIsSkinShow();
    uchar getMaxProfile();
    // True when the chosen file now is the profile; false when the chooser
    // was cancelled or the copy failed, the profile then being as it was.
    bool loadProfile(int profile);
    QVariant loadDefaultProfile(QString key);
    void saveProfile(int profile);
    void resetProfile(int profile);
    // True when the chosen file now is the macro; false when the chooser was
    // cancelled or the copy failed, the macro then being as it was.
    bool loadMacroIniFromFile(QVariant name);
    void saveMacroIniToFile(QVariant name);
    void renameMacroIniFile(QVariant oldName, QVariant newName);
    QString getCustomFilePath();
    QVariantMap chkLanguages();
    QVariantMap chkValidLanguages();
    QStringList getGlobalStrings(QString langCode);
    void initMacroIni(uchar maxMacro);
    QVariant createMacroIni();
    QVariant deleteMacroIni(QVariant name);
    QStringList getMacroIniNames();
    QVariant saveMacroIni(QVariant name, QStringList macros);
    QStringList loadMacroIni(QVariant name);
    QVariantList loadMacroIniConfig(QVariant name);
    void setMacroIniConfig(QVariant name, QVariantList config);
    QVariantList getKeydefine(QVariant matrixId);
    QList<uchar> macroIncode(QStringList macros);
    void ui_01H_SetReportRate(uchar rate);
    void ui_02H_SetKeyboardMode(uchar mode);
    void ui_04H_SetButtonSensitivity(uchar sens1);
    void ui_08H_SetLEDType(uchar type, uchar brightness, uchar speed, uchar direction, uchar color,
                           uchar bl0, uchar bl1);
    void ui_0C0DH_SetKeyMatrix(QVariantList src256);
    void ui_10H_SetMacroKey(QVariant macroId, QVariant name);
    void ui_12H_SetUserPicture(uchar index, uchar option, QVariantList src384);
    void ui_13H_SetRecoveryData();
    void ui_21H_SetCurrentProfile(int profile);
    void ui_30H_SetColor(QVariantList src21);
    QString ui_80H_GetFWVersion();
    QVariant ui_80H_GetHWMode();
    QVariant ui_81H_GetReportRate();
    QVariant ui_82H_GetKeyboardMode();
    QVariant ui_84H_GetButtonSensitivity();
    QVariantList ui_88H_GetLEDType();
    QVariantList ui_8C8DH_GetKeyMatrix();
    QVariantList ui_92H_GetUserPicture(uchar index);
    QVariant ui_A1H_GetCurrentProfile();
    QVariantList ui_B0H_GetColor();

protected:
    // After the first frame that shows the scene, the scene builds what it
    // does not show at first (its root function buildPages).
    void paintEvent(QPaintEvent* event) override;
    // Tab and Shift+Tab go into the scene. Qt asks a widget it disables (busy
    // protection) to pass the focus on: the view keeps it instead, so the
    // scene's focus stays where the scene puts it (and a screen reader hears
    // the busy indicator); a disabled widget takes no keys meanwhile.
    bool focusNextPrevChild(bool next) override;

private:
    void invokeRoot(const char* function);
    void writeCurrentProfile(const QString& key, const QVariant& value);
    QVariant readCurrentProfile(const QString& key) const;
    void storeLightingType(const QList<int>& lighting);
    QString userDesktop() const;
    // The outcome of a write of one of the program's files: empty when it
    // reached the disk, else the file that could not be written. The user is
    // told once (after the current call has returned) until a write
    // succeeds again; the program goes on with the files it has.
    void noteWrite(const QString& failedFile);
    void writeProfiles();
    // Slot 0 … 16 macros are downloaded whenever they are saved.
    static constexpr int LastAutoDownloadSlot = 16;

    SoundCues* mediaObjects = nullptr; // a child of the view
    AppSettings apConfig;
    ProfileStore profiles;
    QStringList msgList;
    quint8 kbLayoutType = 0;
    quint8 maxMacro = 0;
    quint8 maxProfile = 0;
    QMap<QString, quint8> KeyNameTable;
    MacroLibrary macroLibrary;
    std::unique_ptr<Dialogs> systemDialogs;
    Dialogs* dialogs = nullptr; // systemDialogs unless replaced
    QTimer profileWrite;        // one write of the profiles per turn of the event loop
    bool toldWriteFailure = false;
    bool sceneShown = false; // a frame with the scene visible was painted
};
