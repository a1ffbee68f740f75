import QtTest

// A test case over the controls of the stand-in root it is declared in, found by objectName.
TestCase {
    when: windowShown

    function find(name) {
        var item = findChild(parent, name)
        verify(item, "no item named " + name)
        return item
    }
}
