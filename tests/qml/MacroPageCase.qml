import QtQuick
import QtTest

// The macro editor page in the real scene, with the backend on the virtual
// keyboard and key events delivered as the global key hook delivers them
// (the root's detectKeyboard). The library holds one file per slot,
// "Macro. 001" … "Macro. 032" for slots 0 … 31, and a save of a slot 0 … 16
// file downloads it. Usages from the key-code definition: A = 4, B = 5,
// C = 6; 103 has no name. In the keyboard's macro buffer every word lies low
// byte first: header 01 00, key down c 01, key up c 81, delay 00 7F l h (in
// 10 ms units), end 00 00. Each test starts with every macro empty under its
// default name.
SceneTestCase {
    readonly property int slots: 32
    readonly property string aDown: "A    [Down]"
    readonly property string aUp: "A      [Up]"
    readonly property string bDown: "B    [Down]"
    readonly property string bUp: "B      [Up]"
    readonly property string cDown: "C    [Down]"
    readonly property string cUp: "C      [Up]"

    // The started scene showing the macro page.
    function macroPage() {
        var scene = startScene()
        part(scene, "_fkPage").show(1)
        var page = part(scene, "_Page_Macro")
        tryVerify(function() { return page.visible })
        tryVerify(function() { return !part(scene, "pa_X").running && !part(scene, "paBack_X").running })
        return { scene: scene, page: page, files: part(page, "fl_MacroFile"),
                 steps: part(page, "fl_MacroActions"), menu: part(page, "itLvContextMenu") }
    }

    function defaultName(number) {
        return "Macro. " + ("00" + number).slice(-3)
    }

    function entry(list, index) {
        list.lvItems.positionViewAtIndex(index, ListView.Contain)
        var item = list.lvItems.itemAtIndex(index)
        verify(item, "entry " + index)
        return item
    }

    function clickEntry(list, index) {
        mouseClick(entry(list, index), 10, 10)
    }

    // Selects "Macro. <number>", at index number - 1 of the sorted list.
    function selectFile(t, number) {
        clickEntry(t.files, number - 1)
        compare(t.page.getCurrentMacroName(), defaultName(number))
    }

    function click(item) {
        mouseClick(item, item.width / 2, item.height / 2)
    }

    function tool(t, name) {
        return part(t.page, name)
    }

    function chooseFromMenu(t, fileIndex, entryIndex) {
        mouseClick(entry(t.files, fileIndex), 10, 10, Qt.RightButton)
        verify(t.menu.visible)
        click(part(t.menu, "entry" + entryIndex))
    }

    function keyEvent(t, isDown, code) {
        t.scene.detectKeyboard(isDown, code)
    }

    function typeKey(t, code) {
        keyEvent(t, true, code)
        keyEvent(t, false, code)
    }

    // The shown steps, value and command field joined.
    function shown(t) {
        var steps = []
        for (var i = 0; i < t.steps.mdItems.count; ++i)
            steps.push(t.steps.mdItems.get(i).textX + t.steps.mdItems.get(i).textR)
        return steps
    }

    // 128 bytes: `bytes`, then zeros.
    function buffer(bytes) {
        var full = bytes.slice()
        while (full.length < 128)
            full.push(0)
        return full
    }

    // The keyboard's macro slot after the pool has written it.
    function slotBytes(slot) {
        settle()
        return keyboardProbe.macro(slot)
    }

    // Every macro back under its default name, with its slot and no steps.
    function cleanup() {
        var files = ui_View.getMacroIniNames()
        for (var i = 0; i < files.length; ++i) {
            var name = String(files[i]).slice(0, -4)
            var slot = parseInt(ui_View.loadMacroIniConfig(name)[0])
            if (slot >= 0 && name !== defaultName(slot + 1))
                ui_View.renameMacroIniFile(name, defaultName(slot + 1))
        }
        for (var n = 1; n <= slots; ++n) {
            var config = ui_View.loadMacroIniConfig(defaultName(n))
            if (parseInt(config[0]) !== n - 1 || parseInt(config[1]) !== 1)
                ui_View.setMacroIniConfig(defaultName(n), [n - 1, 1])
            if (ui_View.loadMacroIni(defaultName(n)).length > 0)
                ui_View.saveMacroIni(defaultName(n), [])
        }
        dialogProbe.clear()
        settle()
    }
}
