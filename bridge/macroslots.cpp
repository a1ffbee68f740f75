// Macro library, macro encoding and key definitions. Library slots work on files only; the
// macro upload (and saveMacroIni's re-send of a macro a button uses) blocks for the exchange.
#include "bridge/myqquickview.h"

#include "device/ms_ht66fb560.h"
#include "macro/macroencoder.h"
#include "macro/macrolibrary.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QStandardPaths>

namespace {

MacroLibrary libraryOf(int modelId)
{
    return MacroLibrary(MacroLibrary::folderForModel(modelId));
}

QString macroDialogFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

} // namespace

void myQQuickView::z4_0FH_SetMacroKey(QVariant macroId, QVariant name)
{
    const QString macro = name.toString();
    const QList<uchar> stream = macroIncode(loadMacroIni(macro));
    if (stream.size() > MacroEncoder::kBlockSize)
        QMessageBox::warning(
            nullptr, tr("MACRO"), tr("Out of memory,\nsome command line has been cut."), QMessageBox::Ok);
    MacroEncoder::Block block = MacroEncoder::deviceBlock(stream, libraryOf(modelId).repeat(macro));
    if (device)
        device->hid_0FH_SetMacroKey(uchar(macroId.toLongLong()), block.data());
}

void myQQuickView::loadMacroIniFromFile(QVariant name)
{
    const QString picked
        = QFileDialog::getOpenFileName(this, tr("Open File"), macroDialogFolder(), tr("Macro(*.mc)"));
    if (!picked.isEmpty())
        libraryOf(modelId).importFrom(name.toString(), picked);
}

void myQQuickView::saveMacroIniToFile(QVariant name)
{
    const MacroLibrary library = libraryOf(modelId);
    if (!library.exists(name.toString()))
        return;
    const QString target
        = QFileDialog::getSaveFileName(this, tr("Save File"), macroDialogFolder(), tr("Macro(*.mc)"));
    if (!target.isEmpty())
        library.exportTo(name.toString(), target);
}

void myQQuickView::renameMacroIniFile(QVariant oldName, QVariant newName)
{
    libraryOf(modelId).rename(oldName.toString(), newName.toString());
}

QVariant myQQuickView::createMacroIni()
{
    return libraryOf(modelId).create();
}

QVariant myQQuickView::deleteMacroIni(QVariant name)
{
    return libraryOf(modelId).remove(name.toString());
}

QStringList myQQuickView::getMacroIniNames()
{
    return libraryOf(modelId).names();
}

QVariant myQQuickView::saveMacroIni(QVariant name, QStringList macros)
{
    MacroLibrary library = libraryOf(modelId);
    const QString macro = name.toString();
    if (!library.saveLines(macro, macros))
        return false;
    // A button uses this macro: the mouse gets the new content without a new assignment.
    const int index = library.index(macro);
    if (index >= 0)
        z4_0FH_SetMacroKey(qlonglong(index) + 1, macro);
    return true;
}

QStringList myQQuickView::loadMacroIni(QVariant name)
{
    return libraryOf(modelId).lines(name.toString());
}

QVariantList myQQuickView::loadMacroIniConfig(QVariant name)
{
    return libraryOf(modelId).config(name.toString());
}

void myQQuickView::setMacroIniConfig(QVariant name, QVariantList config)
{
    libraryOf(modelId).setConfig(name.toString(), config);
}

QVariantList myQQuickView::getKeydefine(QVariant matrixId)
{
    constexpr int kSlotBytes = 4;
    const ProfileStore& profiles = profileStore();
    const QVariantList matrix = profiles.image(FwGroup::Matrix, profiles.curProfile());
    // A slot beyond the list (bad index, short or not yet loaded matrix) gives no definition.
    const qlonglong slot = matrixId.toLongLong();
    if (slot < 0 || slot >= matrix.size() / kSlotBytes)
        return {};
    return matrix.mid(slot * kSlotBytes, kSlotBytes);
}

QList<uchar> myQQuickView::macroIncode(QStringList macros)
{
    return MacroEncoder::encode(macros);
}
