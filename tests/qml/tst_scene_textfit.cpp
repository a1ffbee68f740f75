// Every text of the pages, menus, lists and the settings panel fits its box in each shipped
// language and both text sizes and is in that language, and pop-ups hide what lies beneath them.
#include "macro/macrolibrary.h"
#include "scenefixture.h"

#include <QQmlComponent>
#include <QQmlEngine>

namespace {

// A shown text fits when nothing of it is elided, its lines are no larger than its own box, and
// what it paints stays inside its parent (the control or row that frames it, when that has a
// size) and, across, inside its nearest clipping ancestor (lists scroll rows away).
QString misfit(const QQuickItem* text)
{
    const QSizeF content(text->property("contentWidth").toReal(), text->property("contentHeight").toReal());
    if (text->property("truncated").toBool() || content.width() > text->width() + 1
        || content.height() > text->height() + 1)
        return QStringLiteral("elided or larger than its box");
    const auto shift = [](int align, int far, int centre, qreal spare) {
        return align == far ? spare : align == centre ? spare / 2 : 0;
    };
    const QRectF painted(QPointF(shift(text->property("effectiveHorizontalAlignment").toInt(), Qt::AlignRight,
                                     Qt::AlignHCenter, text->width() - content.width()),
                             shift(text->property("verticalAlignment").toInt(), Qt::AlignBottom,
                                 Qt::AlignVCenter, text->height() - content.height())),
        content);
    const auto leaves = [&](const QQuickItem* box, bool acrossOnly) {
        const QRectF r = text->mapRectToItem(box, painted);
        return r.left() < -1 || r.right() > box->width() + 1
            || (!acrossOnly && (r.top() < -1 || r.bottom() > box->height() + 1));
    };
    const QQuickItem* frame = text->parentItem();
    if (frame && frame->width() > 0 && frame->height() > 0 && leaves(frame, false))
        return QStringLiteral("leaves its parent");
    for (; frame && !frame->clip(); frame = frame->parentItem()) { }
    return frame && leaves(frame, true) ? QStringLiteral("cut by its clip") : QString();
}

// English texts the chosen language translates: shown as they are, a text was left untranslated.
// Names the same in both (DPI, SENSOR) are not in it.
QSet<QString> englishOnly;

QSet<QString> untranslatedEnglish(const QStringList& english, const QStringList& shown)
{
    QSet<QString> only(english.begin(), english.end());
    for (const QString& text : shown)
        only.remove(text);
    only.remove(QString());
    return only;
}

// Walks the shown items: texts that do not fit go to misfits, drop-downs a person can open to lists.
void walk(QQuickItem* item, const QString& where, QStringList* misfits, QList<QQuickItem*>* lists)
{
    if (!item->isVisible())
        return;
    const QString place = item->objectName().isEmpty() ? where : item->objectName();
    const QString type = QString::fromLatin1(item->metaObject()->className());
    const QString text = item->property("text").toString();
    const bool isText = item->inherits("QQuickText");
    QString why = misfits && isText && !text.isEmpty() ? misfit(item) : QString();
    if (misfits && isText && item->property("textFormat").toInt() != 0) // Text.PlainText
        why = QStringLiteral("drawn as rich text");
    if (misfits && englishOnly.contains(text.trimmed()))
        why = QStringLiteral("not translated");
    if (!why.isEmpty() && !misfits->contains(place + ": " + item->property("text").toString() + ": " + why))
        *misfits << place + ": " + item->property("text").toString() + ": " + why;
    if (lists && item->isEnabled()
        && (type.startsWith("DropdownList_") || type.startsWith("FileListButton_")))
        *lists << item;
    for (QQuickItem* child : item->childItems())
        walk(child, place, misfits, lists);
}

} // namespace

class TestSceneTextFit : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        fx = std::make_unique<SceneFixture>();
        // One macro file, so the macro lists and the macro page have a row.
        QVERIFY(fx->start([] { MacroLibrary(MacroLibrary::folderForModel(1)).create(); }));
        english = fx->root()->property("globalSetting_stringList").toStringList();
        QCOMPARE(english.value(74), QStringLiteral("KEY"));
    }
    void cleanupTestCase() { fx.reset(); }

    void textsFitTheirBoxes_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("size");
        const QDir packs(QStringLiteral(Z4_PROGRAM_DIR "/modules/i18n"));
        for (int language = 0; language < packs.entryList({ "lang_*.ini" }).size(); ++language) {
            for (const int size : { 11, 12 })
                QTest::addRow("language %d, size %d", language, size) << language << size;
        }
    }

    void textsFitTheirBoxes()
    {
        QFETCH(int, language);
        QFETCH(int, size);
        QQuickItem* settings = fx->item(QStringLiteral("page_Globalsetting"));
        QMetaObject::invokeMethod(settings, "setLanguage", Q_ARG(QVariant, language));
        QCOMPARE(settings->property("languageIndex").toInt(), language);
        settings->setProperty("_Size", size);
        englishOnly
            = untranslatedEnglish(english, fx->root()->property("globalSetting_stringList").toStringList());
        const QStringList misfits = walkEverything();
        QVERIFY2(misfits.isEmpty(), qPrintable(misfits.join('\n')));
    }

    // A pack's markup is text: an <img> must never be fetched, a <b> never drawn bold.
    void packMarkupIsShownLiterally()
    {
        const QDir packs(fx->workDir().filePath(QStringLiteral("modules/i18n")));
        for (const QString& name : packs.entryList({ "lang_*.ini" })) {
            QByteArray content = testsupport::readFile(packs.filePath(name));
            content.replace("\n1=", "\n1=<b>X</b><img src=\"file:///etc/passwd\">");
            QVERIFY(fx->workDir().write(QStringLiteral("modules/i18n/") + name, content));
        }
        QQuickItem* settings = fx->item(QStringLiteral("page_Globalsetting"));
        for (const int language : { 1, 0 }) // a change, so the pack is read again
            QMetaObject::invokeMethod(settings, "setLanguage", Q_ARG(QVariant, language));
        QVERIFY(fx->root()->property("globalSetting_stringList").toStringList().value(1).startsWith("<b>X"));
        englishOnly.clear();
        QStringList rich = walkEverything();
        rich.removeIf([](const QString& misfit) { return !misfit.endsWith(QLatin1String("rich text")); });
        QVERIFY2(rich.isEmpty(), qPrintable(rich.join('\n')));
    }

    void popUpsAreOpaque_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("opener");
        QTest::addColumn<QString>("surface");
        QTest::newRow("macro file list") << 0 << "keydefine_macro_files_button"
                                         << "keydefine_macro_files_slide";
        QTest::newRow("drop-down list") << 0 << "keydefine_button_button"
                                        << "keydefine_button_list";
        QTest::newRow("profile menu") << 3 << "menuProf_entry1"
                                      << "menuProf_context";
        QTest::newRow("settings panel") << 2 << "menuUp_setting"
                                        << "globalsetting_content";
    }

    // A white plate slid just beneath the open pop-up must not change a pixel of it.
    void popUpsAreOpaque()
    {
        QFETCH(int, page);
        QFETCH(QString, opener);
        QFETCH(QString, surface);
        QMetaObject::invokeMethod(fx->item(QStringLiteral("pageArea")), "show", Q_ARG(QVariant, page));
        QMetaObject::invokeMethod(
            fx->item(QStringLiteral("keydefine_category")), "setCurIndex", Q_ARG(QVariant, 4));
        QTest::qWait(100);
        QVERIFY(fx->click(opener, opener.startsWith("menuProf") ? Qt::RightButton : Qt::LeftButton));
        QQuickItem* top = fx->item(surface);
        QTRY_VERIFY(top->isVisible());
        QTest::qWait(300); // let the opening slide settle
        const QImage before = fx->view()->grabFramebuffer();
        QQmlComponent plate(fx->view()->engine());
        plate.setData("import QtQuick\nRectangle { color: \"white\" }", QUrl());
        std::unique_ptr<QQuickItem> probe(qobject_cast<QQuickItem*>(plate.create()));
        probe->setParentItem(top->parentItem());
        probe->setZ(top->z());
        probe->stackBefore(top);
        // Inside the rounded corners, which are see-through by design.
        const QRectF inside = QRectF(top->position(), top->size()).adjusted(6, 6, -6, -6);
        probe->setPosition(inside.topLeft());
        probe->setSize(inside.size());
        QTest::qWait(60);
        const QImage after = fx->view()->grabFramebuffer();
        const QRect area = top->parentItem()->mapRectToScene(inside).toRect();
        int changed = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x)
                changed += qAbs(qGray(before.pixel(x, y)) - qGray(after.pixel(x, y))) > 2;
        }
        QCOMPARE(changed, 0);
        fx->click(opener, opener.startsWith("menuProf") ? Qt::RightButton : Qt::LeftButton);
        QMetaObject::invokeMethod(fx->item(QStringLiteral("menuProf_context")), "close");
    }

private:
    // Each page; the key page once per category, since each shows other controls; the panel;
    // each scene as it is, then with each list unrolled.
    QStringList walkEverything()
    {
        QMetaObject::invokeMethod(
            fx->item(QStringLiteral("menuProf_context")), "openFor", Q_ARG(QVariant, 0),
            Q_ARG(QVariant, false));
        QMetaObject::invokeMethod(fx->item(QStringLiteral("macro_menu")), "openAt", Q_ARG(QVariant, 0),
            Q_ARG(QVariant, 40), Q_ARG(QVariant, 40));
        QStringList misfits;
        QQuickItem* category = fx->item(QStringLiteral("keydefine_category"));
        // Each page; the key page once per category, since each shows other controls; the panel.
        for (int page = 0; page < 5; ++page) {
            QMetaObject::invokeMethod(
                fx->item(QStringLiteral("pageArea")), "show", Q_ARG(QVariant, page % 4));
            fx->root()->setProperty("isGlobalSettingSelect", page == 4);
            for (int shown = 0; shown < (page == 0 ? category->property("itemCount").toInt() : 1); ++shown) {
                QMetaObject::invokeMethod(category, "setCurIndex", Q_ARG(QVariant, shown));
                QTest::qWait(100);
                QList<QQuickItem*> lists { fx->root() };
                walk(fx->root(), QString(), nullptr, &lists);
                for (QQuickItem* list : lists) { // the scene as it is, then with each list unrolled
                    const bool unrolls = list != fx->root();
                    if (unrolls)
                        QMetaObject::invokeMethod(list, "showList");
                    QTest::qWait(60);
                    walk(fx->root(), QString(), &misfits, nullptr);
                    if (unrolls)
                        QMetaObject::invokeMethod(list, "closeList");
                }
            }
        }
        fx->root()->setProperty("isGlobalSettingSelect", false);
        return misfits;
    }

    std::unique_ptr<SceneFixture> fx;
    QStringList english;
};

QTEST_MAIN(TestSceneTextFit)
#include "tst_scene_textfit.moc"
