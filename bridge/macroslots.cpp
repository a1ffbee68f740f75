// Macro library, macro encoding and key definitions. Library slots work on files only; the
// macro upload (and saveMacroIni's re-send of a macro a button uses) blocks for the exchange.
#include "bridge/myqquickview.h"

#include "device/ms_ht66fb560.h"
#include "macro/macroencoder.h"
#include "macro/macrolibrary.h"
#include "store/dialogfolder.h"

#include <QDebug>
#include <QMessageBox>

namespace {

MacroLibrary libraryOf(int modelId)
{
    return MacroLibrary(MacroLibrary::folderForModel(modelId));
}

} // namespace

// Refused before anything is sent: an id the mouse does not have, a repeat count that does not
// fit the block's 16 bits, and a macro longer than the block (a cut block could end between a
// key's press and its release, leaving the key held). The mouse's slot then stays as it was.
bool myQQuickView::z4_0FH_SetMacroKey(QVariant macroId, QVariant name)
{
    const qlonglong id = macroId.toLongLong();
    // A macro upload is a change like any other: it waits its turn, or sends nothing.
    if (!beginChange(ShownValues::Matrix))
        return false;
    const auto refusal = settings->sendMacro(
        id >= 1 && id <= ProfileStore::kMacroSlots ? int(id) : 0, name.toString(), libraryOf(modelId));
    if (refusal == MouseSettings::MacroRefusal::BadId)
        qDebug() << "macro id out of range:" << macroId;
    if (refusal == MouseSettings::MacroRefusal::BadRepeat)
        QMessageBox::warning(nullptr, tr("MACRO"),
            tr("The repeat count must be 0 to 65535,\nthe macro was not sent to the mouse."),
            QMessageBox::Ok);
    if (refusal == MouseSettings::MacroRefusal::TooLong)
        QMessageBox::warning(nullptr, tr("MACRO"),
            tr("Out of memory,\nthe macro is too long and was not sent to the mouse."), QMessageBox::Ok);
    return refusal == MouseSettings::MacroRefusal::None;
}

void myQQuickView::loadMacroIniFromFile(QVariant name)
{
    const QString picked
        = chooseFile(false, tr("Open File"), dialogfolder::start(), tr("Macro(*.mc)"));
    dialogfolder::remember(picked);
    if (!picked.isEmpty() && libraryOf(modelId).importFrom(name.toString(), picked))
        settings->macroChanged(name.toString());
}

void myQQuickView::saveMacroIniToFile(QVariant name)
{
    const MacroLibrary library = libraryOf(modelId);
    if (!library.exists(name.toString()))
        return;
    const QString target
        = chooseFile(true, tr("Save File"), dialogfolder::start(), tr("Macro(*.mc)"));
    dialogfolder::remember(target);
    if (!target.isEmpty())
        library.exportTo(name.toString(), target);
}

void myQQuickView::renameMacroIniFile(QVariant oldName, QVariant newName)
{
    if (libraryOf(modelId).rename(oldName.toString(), newName.toString()))
        settings->macroRenamed(oldName.toString(), newName.toString());
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
    // A button plays this macro, or is to: the mouse gets the new content without a new assignment.
    settings->macroChanged(macro);
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

QVariantList myQQuickView::getMacroDelayRange()
{
    return { MacroEncoder::kEditorDelayMin, MacroEncoder::kEditorDelayMax };
}

QVariantList myQQuickView::getKeydefine(QVariant matrixId)
{
    const qlonglong slot = matrixId.toLongLong();
    // Any slot of the 128-entry matrix; a number past int's range must not wrap onto one.
    constexpr qlonglong kMatrixSlots = ProfileStore::kImageSize / ProfileStore::kSlotBytes;
    if (slot < 0 || slot >= kMatrixSlots)
        return {};
    const QVariantList four = settings->keySlot(store->curProfile(), int(slot));
    shown.note(ShownValues::Matrix, store->curProfile(), four, int(slot) * ProfileStore::kSlotBytes);
    return four;
}

QVariantList myQQuickView::z4_getUsedMacroIndices()
{
    QVariantList used;
    for (int index : store->macroIndicesInUse())
        used.append(index);
    return used;
}

QList<uchar> myQQuickView::macroIncode(QStringList macros)
{
    return MacroEncoder::encode(macros);
}
