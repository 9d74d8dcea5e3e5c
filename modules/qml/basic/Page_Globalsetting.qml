import QtQuick

// The application's own appearance settings. The root binds its appearance
// properties to the ones below; initUI applies the saved settings.
Item {
    id: pageGlobalsetting
    width: 340
    height: 420

    property int _Size: 11
    property color _Color: "#FF00FFFF"
    property color _ColorEnable: "#FFAAAAAA"
    property color _ColorDisable: "#80FFFFFF"
    property int _AnimationSpeed: 800
    property int skin_No: 1
    property bool isCustomBackground: false
    property url sourceCustomBackground: ""
    property string _FontFamily: "Arial"
    property var _StringList: builtInStrings
    property string _Url: "https://q3config.github.io/"

    // The language list: display name and code of every installed pack.
    property var languages: []

    readonly property var builtInStrings: [
        "Arial", "OPTIONS", "LOOP", "SPEED", "BRIGHTNESS", "DIRECTION", "PAINTING", "EFFECTS",
        "USER DEFINE 1", "USER DEFINE 2", "USER DEFINE 3", "USER DEFINE 4", "USER DEFINE 5",
        "STATIC", "BREATHING", "WAVE", "INDUCTION DARKEN", "MARQUEE", "RIPPLE",
        "INDUCTION BRIGHTEN", "NEON", "MARQUEE COLORFUL", "RAINING", "MARQUEE CIRCLE",
        "SPOTLIGHT", "ROTATION", "SKIN", "SOUND", "ANIMATED", "LANGUAGE", "BACKGROUND", "ON",
        "OFF", "TEXT", "SIZE", "COLOR", "BRIGHTNESS", "NORMAL", "LARGER", "SKIN 1", "SKIN 2",
        "SKIN 3", "SKIN 4", "SKIN 5", "MACRO", "ACTION", "KEYBOARD", "MOUSE", "MEDIA",
        "COMBO KEY", "MACRO", "LEFT", "RIGHT", "MIDDLE", "B4", "B5", "NEXT TRACK",
        "PREVIOUS TRACK", "STOP", "PLAY / PAUSE", "MUTE", "VOLUME UP", "VOLUME DOWN",
        "MEDIA SELECT", "MAIL", "CALCULATOR", "MY COMPUTER", "WWW SEARCH", "WWW HOME",
        "WWW BACK", "WWW FORWARD", "WWW STOP", "WWW REFRESH", "WWW FAVORITES", "KEY", "MACRO",
        "COLOR", "RESET", "CANCEL", "GAMING MODE", "DELETE", "CUT", "PASTE", "COPY", "LOAD",
        "SAVE", "SENSOR", "LED POWER ON", "TWINKLING", "GLIDING", "FINGER MOVING",
        "VERTICAL FLIPPING", "YO-YO", "FIRE KEY", "TRIPLE CLICK", "DPI SWITCH", "NORMAL PLAY",
        "TIMES", "ALWAYS REPEAT", "REPEAT ON PRESSED", "POLLING RATE", "CURSOR SPEED",
        "VERTICAL SCROLL SPEED", "DOUBLE CLICK SPEED", "DPI LEVEL", "DPI INDICATOR LED",
        "DEFAULT", "APPLY", "SCROLL SWAP", "SCROLL UP", "SCROLL DOWN", "LED CONTROL", "RENAME",
        "ALL RESET", "ALL SAVE"
    ]

    function initUI() {
        var a = ui_View.loadApConfig()
        if (a.length > 0) {
            skin_No = parseInt(a[1])
            mainIten.setSkin()
            ui_View.setEnableAudio(parseInt(a[2]) === 0)
            _AnimationSpeed = parseInt(a[3]) === 1 ? 10 : 800
            initLanguage()
            setLanguage(parseInt(a[4]))
            isCustomBackground = String(a[5]) === "true"
            sourceCustomBackground = a[6]
            _Size = parseInt(a[7]) === 1 ? 12 : 11
            var swatch = parseInt(a[29])
            var level = parseInt(a[30])
            _Color = Qt.rgba(parseInt(a[8 + 3 * swatch]) / 255, parseInt(a[9 + 3 * swatch]) / 255,
                             parseInt(a[10 + 3 * swatch]) / 255, (45 + level * 210 / 7) / 255)
            _Url = a[31]
        }
    }

    function initLanguage() {
        var map = ui_View.chkLanguages()
        var list = []
        for (var name in map)
            list.push({ textX: name, code: map[name], textR: "" })
        list.sort(function(p, q) { return p.textX < q.textX ? -1 : (p.textX > q.textX ? 1 : 0) })
        languages = list
    }

    function setLanguage(uiIndex) {
        if (uiIndex < 0 || uiIndex >= languages.length)
            return
        var code = languages[uiIndex].code
        _StringList = ui_View.getGlobalStrings(code)
        mainIten.translateStrings(code)
        _FontFamily = _StringList[0]
    }

    function translateStrings() {
    }
}
