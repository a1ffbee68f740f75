// What a screen reader finds in the real scene, in every shipped language and on every page:
// each control Tab reaches has a role and a name, and no two controls of a page share a name
// unless a list holds them.
#include "scenefixture.h"

#include <QAccessible>

namespace {

bool interactive(QAccessible::Role role)
{
    static const QList<QAccessible::Role> roles { QAccessible::Button, QAccessible::CheckBox,
        QAccessible::RadioButton, QAccessible::Slider, QAccessible::ComboBox, QAccessible::EditableText,
        QAccessible::PageTab, QAccessible::ListItem, QAccessible::MenuItem, QAccessible::List };
    return roles.contains(role);
}

// Shown, enabled Tab stops without a role or a name.
void unnamedStops(QQuickItem* item, QStringList* out)
{
    if (!item->isVisible() || !item->isEnabled() || item->opacity() <= 0)
        return;
    if (item->activeFocusOnTab()) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(item);
        if (!face || !interactive(face->role()) || face->text(QAccessible::Name).trimmed().isEmpty())
            *out << QStringLiteral("%1 (%2)").arg(item->objectName(), item->metaObject()->className());
    }
    for (QQuickItem* child : item->childItems())
        unnamedStops(child, out);
}

// Names of the shown interactive accessibles outside lists, with how often each occurs.
void names(QAccessibleInterface* face, bool inList, QMap<QString, int>* seen)
{
    if (!face || face->state().invisible)
        return;
    const QAccessible::Role role = face->role();
    if (!inList && interactive(role) && !face->state().disabled)
        ++(*seen)[face->text(QAccessible::Name)];
    inList = inList || role == QAccessible::List || role == QAccessible::PopupMenu
        || role == QAccessible::PageTabList;
    for (int i = 0; i < face->childCount(); ++i)
        names(face->child(i), inList, seen);
}

} // namespace

class tst_SceneAccessibility : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        fx = std::make_unique<SceneFixture>();
        QVERIFY(fx->start());
    }
    void cleanupTestCase() { fx.reset(); }

    void everyPageNamesItsControls_data()
    {
        QTest::addColumn<int>("language");
        const QDir packs(QStringLiteral(Z4_PROGRAM_DIR "/modules/i18n"));
        for (int language = 0; language < packs.entryList({ "lang_*.ini" }).size(); ++language)
            QTest::addRow("language %d", language) << language;
    }
    void everyPageNamesItsControls()
    {
        QFETCH(int, language);
        QMetaObject::invokeMethod(
            fx->item(QStringLiteral("page_Globalsetting")), "setLanguage", Q_ARG(QVariant, language));
        QStringList faults;
        for (int page = 0; page < 5; ++page) { // the four pages, then the settings panel
            QMetaObject::invokeMethod(
                fx->item(QStringLiteral("pageArea")), "show", Q_ARG(QVariant, page % 4));
            fx->root()->setProperty("isGlobalSettingSelect", page == 4);
            QTest::qWait(150);
            QStringList unnamed;
            unnamedStops(fx->root(), &unnamed);
            QMap<QString, int> seen;
            names(QAccessible::queryAccessibleInterface(fx->root()), false, &seen);
            for (auto it = seen.cbegin(); it != seen.cend(); ++it) {
                if (it.value() > 1)
                    unnamed << QStringLiteral("\"%1\" %2 times").arg(it.key()).arg(it.value());
            }
            for (const QString& fault : unnamed)
                faults << QStringLiteral("page %1: %2").arg(page).arg(fault);
        }
        fx->root()->setProperty("isGlobalSettingSelect", false);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }

private:
    std::unique_ptr<SceneFixture> fx;
};

QTEST_MAIN(tst_SceneAccessibility)
#include "tst_scene_accessibility.moc"
