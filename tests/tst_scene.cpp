// Qt Quick tests of the scene (tests/qml/tst_*.qml). Every test document sees
// the objects the program publishes: `ui_View` (the backend, wired to the
// virtual keyboard), `hid` and `ui_Ctl`, all belonging to a real main window
// that works on a private copy of the data tree, and `dialogProbe`, which
// answers the backend's file choosers and records its warnings; `soundProbe`
// counts the sound cues started, `pictureFiles` writes picture files of any
// size and `settingsProbe` reads and edits the data files on disk. The
// scene's files are available from the resources as "qrc:/modules/qml/…";
// with Q3_SCENE_SOURCE set to a folder, those addresses read that folder
// instead, so scene edits are tried without rebuilding.
#include "dialogprobe.h"
#include "keyboardprobe.h"
#include "myqquickview.h"
#include "picturefiles.h"
#include "programdirectory.h"
#include "scenegraph.h"
#include "settingsprobe.h"
#include "soundprobe.h"
#include "testsupport.h"
#include "ui_controler.h"
#include "virtualkeyboard.h"
#include "widget.h"

#include <QApplication>
#include <QDir>
#include <QQmlAbstractUrlInterceptor>
#include <QQmlContext>
#include <QQmlEngine>
#include <QTemporaryDir>
#include <QtQuickTest>
#include <memory>

// Maps "qrc:/modules/qml/…" to the same path under a folder on disk.
class SceneSourceFolder : public QQmlAbstractUrlInterceptor
{
public:
    explicit SceneSourceFolder(const QString& folder) : folder(folder) {}

    QUrl intercept(const QUrl& url, DataType) override
    {
        static const QString prefix = QStringLiteral("/modules/qml/");
        if (url.scheme() != QLatin1String("qrc") || !url.path().startsWith(prefix))
            return url;
        return QUrl::fromLocalFile(folder + '/' + url.path().mid(prefix.size()));
    }

private:
    QString folder;
};

class SceneSetup : public QObject
{
    Q_OBJECT

public slots:
    void applicationAvailable()
    {
        enterProgramDirectory(QCoreApplication::applicationFilePath());
        const QString shipped = QDir::current().filePath("modules");
        for (const char* dir : {"setting", "i18n", "media", "img"})
            copyTree(shipped + '/' + dir, data.filePath(QString("modules/") + dir));
        QDir(data.path()).mkpath("modules/macro");
        QDir::setCurrent(data.path());
        keyboard = std::make_unique<VirtualKeyboard>();
        window = std::make_unique<Widget>(*keyboard);
        window->checkDevice();
        window->controller->view->setDialogs(&dialogs);
        probe = std::make_unique<KeyboardProbe>(*keyboard);
        sounds = std::make_unique<SoundProbe>(*window->controller->view->soundCues());
    }

    void qmlEngineAvailable(QQmlEngine* engine)
    {
        QQmlContext* context = engine->rootContext();
        context->setContextProperty("ui_View", window->controller->view);
        context->setContextProperty("hid", &window->hid);
        context->setContextProperty("ui_Ctl", window->controller);
        context->setContextProperty("virtualKeyboard", keyboard.get());
        context->setContextProperty("keyboardProbe", probe.get());
        context->setContextProperty("dialogProbe", &dialogs);
        context->setContextProperty("soundProbe", sounds.get());
        context->setContextProperty("pictureFiles", &pictures);
        context->setContextProperty("settingsProbe", &settingsFiles);
        const QString sourceFolder = qEnvironmentVariable("Q3_SCENE_SOURCE");
        if (!sourceFolder.isEmpty()) {
            sceneSource = std::make_unique<SceneSourceFolder>(sourceFolder);
            engine->addUrlInterceptor(sceneSource.get());
        }
    }

    void cleanupTestCase()
    {
        probe.reset();
        sounds.reset();
        window.reset();
        keyboard.reset();
    }

private:
    QTemporaryDir data;
    DialogProbe dialogs; // outlives the window, whose backend uses it
    std::unique_ptr<VirtualKeyboard> keyboard;
    std::unique_ptr<Widget> window;
    std::unique_ptr<KeyboardProbe> probe;
    std::unique_ptr<SoundProbe> sounds;
    PictureFiles pictures;
    SettingsProbe settingsFiles;
    std::unique_ptr<SceneSourceFolder> sceneSource; // outlives the engines it is added to
};

int main(int argc, char** argv)
{
    chooseSceneGraphBackend();
    QApplication app(argc, argv); // the main window is a widget
    QTEST_SET_MAIN_SOURCE_PATH
    SceneSetup setup;
    return quick_test_main_with_setup(argc, argv, "scene", Q3_SCENE_TESTS, &setup);
}
#include "tst_scene.moc"
