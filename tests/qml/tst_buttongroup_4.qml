import QtQuick
import QtTest
import "qrc:/modules/qml/common"

// The library's four-cell button group.
TestCase {
    id: test
    name: "ButtonGroup_4"
    when: windowShown
    visible: true
    width: 400
    height: 200

    ControlRoot {
        id: mainIten
        anchors.fill: parent
        property int globalSetting_size: 11
        property color globalSetting_color: "#FF00C8FF"
        property color globalSetting_color_enable: "#FFAAAAAA"
        property string globalSetting_fontFamily: "Arial"
        property url sourceBtnGroup_4_BASE: "file:modules/img/skin1/common/btnGroup_4_BASE.png"
        property url sourceBtnGroup_FILLER_0: "file:modules/img/skin1/common/btnGroup_FILLER_0.png"
        property url sourceBtnGroup_FILLER_1: "file:modules/img/skin1/common/btnGroup_FILLER_1.png"
    }

    Component {
        id: groupComponent
        ButtonGroup_4 { x: 20; y: 20 }
    }

    Component {
        id: spyComponent
        SignalSpy {}
    }

    function init() {
        mouseMove(test, 390, 190)
    }

    function createGroup(properties) {
        var group = createTemporaryObject(groupComponent, mainIten, properties)
        // stand in for the cell picture, which gives a cell its size
        for (var i = 0; i < 4; ++i) {
            var cell = findChild(group, "cell" + i)
            cell.width = 70
            cell.height = 16
        }
        return group
    }

    function isLit(group, index) {
        return String(findChild(group, "cell" + index).source) === String(mainIten.sourceBtnGroup_FILLER_1)
    }

    function test_cellPositions() {
        var group = createGroup()
        var xs = []
        for (var i = 0; i < 4; ++i) {
            var cell = findChild(group, "cell" + i)
            xs.push(cell.x)
            compare(cell.y, 4)
        }
        compare(xs, [3, 80, 157, 234])
    }

    function test_click_data() {
        return [
            { tag: "cell 0", initial: 2, cell: 0 },
            { tag: "cell 1", initial: 0, cell: 1 },
            { tag: "cell 3", initial: 0, cell: 3 },
            { tag: "current cell", initial: 2, cell: 2 }
        ]
    }

    function test_click(data) {
        var group = createGroup({ currentIndex: data.initial })
        var spy = createTemporaryObject(spyComponent, test, { target: group, signalName: "clicked" })
        verify(isLit(group, data.initial))
        mouseClick(findChild(group, "cell" + data.cell), 35, 8)
        compare(spy.count, 1)
        compare(spy.signalArguments[0][0], data.cell)
        compare(group.getCurIndex(), data.cell)
        mouseMove(test, 390, 190)
        for (var i = 0; i < 4; ++i)
            compare(isLit(group, i), i === data.cell, "cell " + i)
    }

    function test_hoverLights() {
        var group = createGroup()
        verify(!isLit(group, 3))
        mouseMove(findChild(group, "cell3"), 35, 8)
        verify(isLit(group, 3))
        compare(group.currentIndex, 0)
    }
}
