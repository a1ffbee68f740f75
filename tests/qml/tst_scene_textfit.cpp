// Every text of the pages, menus, lists and the settings panel fits its box in each shipped
// language and both text sizes, and pop-ups hide what lies beneath them.
#include "macro/macrolibrary.h"
#include "scenefixture.h"

#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickWidget>

namespace {

// A shown text fits when nothing of it is elided, its lines are no wider (or taller) than its
// own box, and what it paints stays inside its parent (the control or row that frames it, when
// that has a size) and, across, inside its nearest clipping ancestor (lists scroll rows away).
QString misfit(const QQuickItem* text)
{
    if (text->property("truncated").toBool())
        return QStringLiteral("elided");
    const QSizeF content(text->property("contentWidth").toReal(), text->property("contentHeight").toReal());
    if (content.width() > text->width() + 1 || content.height() > text->height() + 1)
        return QStringLiteral("larger than its box");
    const int h = text->property("effectiveHorizontalAlignment").toInt();
    const int v = text->property("verticalAlignment").toInt();
    const qreal spareX = text->width() - content.width(), spareY = text->height() - content.height();
    const QRectF painted(QPointF(h == Qt::AlignRight     ? spareX
                                 : h == Qt::AlignHCenter ? spareX / 2
                                                         : 0,
                             v == Qt::AlignBottom        ? spareY
                                 : v == Qt::AlignVCenter ? spareY / 2
                                                         : 0),
        content);
    const auto leaves = [&](const QQuickItem* box, bool acrossOnly) {
        const QRectF r = text->mapRectToItem(box, painted);
        return r.left() < -1 || r.right() > box->width() + 1
            || (!acrossOnly && (r.top() < -1 || r.bottom() > box->height() + 1));
    };
    const QQuickItem* frame = text->parentItem();
    if (frame && frame->width() > 0 && frame->height() > 0 && leaves(frame, false))
        return QStringLiteral("leaves its parent");
    for (; frame; frame = frame->parentItem()) {
        if (frame->clip())
            return leaves(frame, true) ? QStringLiteral("cut by its clip") : QString();
    }
    return {};
}

void collectMisfits(const QQuickItem* item, const QString& where, QStringList& out)
{
    if (!item->isVisible())
        return;
    const QString place = item->objectName().isEmpty() ? where : item->objectName();
    const QString text = item->property("text").toString();
    if (item->inherits("QQuickText") && !text.isEmpty()) {
        const QString why = misfit(item);
        if (!why.isEmpty() && !out.contains(place + " \"" + text + "\": " + why))
            out << place + " \"" + text + "\": " + why;
    }
    for (const QQuickItem* child : item->childItems())
        collectMisfits(child, place, out);
}

bool isDropDown(const QQuickItem* item)
{
    const QString type = QString::fromLatin1(item->metaObject()->className());
    return item->isVisible() && (type.startsWith("DropdownList_") || type.startsWith("FileListButton_"));
}

void dropDowns(QQuickItem* item, QList<QQuickItem*>& out)
{
    if (isDropDown(item) && item->isEnabled())
        out << item;
    for (QQuickItem* child : item->childItems())
        dropDowns(child, out);
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
    }
    void cleanupTestCase() { fx.reset(); }
    void cleanup()
    {
        fx->root()->setProperty("isGlobalSettingSelect", false);
        for (const char* menu : { "menuProf_context", "macro_menu" })
            QMetaObject::invokeMethod(fx->item(menu), "close");
        QList<QQuickItem*> lists;
        dropDowns(fx->root(), lists);
        for (QQuickItem* list : lists)
            QMetaObject::invokeMethod(list, "closeList");
    }

    void textsFitTheirBoxes_data();
    void textsFitTheirBoxes();
    void popUpsAreOpaque_data();
    void popUpsAreOpaque();

private:
    // Records the texts that do not fit now, then in each drop-down list of the scene unrolled.
    void check(QStringList& out)
    {
        settle();
        collectMisfits(fx->root(), QString(), out);
        QList<QQuickItem*> lists;
        dropDowns(fx->root(), lists);
        for (QQuickItem* list : lists) {
            QMetaObject::invokeMethod(list, "showList");
            settle();
            collectMisfits(fx->root(), QString(), out);
            QMetaObject::invokeMethod(list, "closeList");
        }
    }
    void settle() { QTest::qWait(60); }

    std::unique_ptr<SceneFixture> fx;
};

void TestSceneTextFit::textsFitTheirBoxes_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("size");
    const int shipped
        = QDir(QStringLiteral(Z4_PROGRAM_DIR "/modules/i18n")).entryList({ "lang_*.ini" }).size();
    for (int language = 0; language < shipped; ++language) {
        for (const int size : { 11, 12 })
            QTest::addRow("language %d, size %d", language, size) << language << size;
    }
}

void TestSceneTextFit::textsFitTheirBoxes()
{
    QFETCH(int, language);
    QFETCH(int, size);
    QQuickItem* settings = fx->item(QStringLiteral("page_Globalsetting"));
    QMetaObject::invokeMethod(settings, "setLanguage", Q_ARG(QVariant, language));
    QCOMPARE(settings->property("languageIndex").toInt(), language);
    settings->setProperty("_Size", size);

    QMetaObject::invokeMethod(fx->item(QStringLiteral("menuProf_context")), "openFor", Q_ARG(QVariant, 0));
    QMetaObject::invokeMethod(fx->item(QStringLiteral("macro_menu")), "openAt", Q_ARG(QVariant, 0),
        Q_ARG(QVariant, 40), Q_ARG(QVariant, 40));
    QStringList misfits;
    QQuickItem* pages = fx->item(QStringLiteral("pageArea"));
    for (int page = 0; page < 4; ++page) {
        QMetaObject::invokeMethod(pages, "show", Q_ARG(QVariant, page));
        QVERIFY(SceneFixture::waitFor([&] { return !pages->property("sliding").toBool(); }));
        QQuickItem* category = fx->item(QStringLiteral("keydefine_category"));
        // The key page shows the second control of each category in turn.
        const int categories = page == 0 ? category->property("itemCount").toInt() : 1;
        for (int shown = 0; shown < categories; ++shown) {
            if (page == 0)
                QMetaObject::invokeMethod(category, "setCurIndex", Q_ARG(QVariant, shown));
            check(misfits);
        }
    }
    fx->root()->setProperty("isGlobalSettingSelect", true);
    check(misfits);
    QVERIFY2(misfits.isEmpty(), qPrintable(misfits.join('\n')));
}

void TestSceneTextFit::popUpsAreOpaque_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QByteArray>("open");
    QTest::addColumn<QString>("surface");
    QTest::newRow("macro file list") << 0 << "keydefine_macro_files" << QByteArray("showList")
                                     << "keydefine_macro_files_slide";
    QTest::newRow("drop-down list") << 0 << "keydefine_button" << QByteArray("showList")
                                    << "keydefine_button_list";
    QTest::newRow("profile menu") << 3 << "menuProf_context" << QByteArray("openFor") << "menuProf_context";
    QTest::newRow("settings panel") << 2 << "mainIten" << QByteArray() << "globalsetting_content";
}

// A bright plate slid just beneath the open pop-up must not change a pixel of it.
void TestSceneTextFit::popUpsAreOpaque()
{
    QFETCH(int, page);
    QFETCH(QString, opener);
    QFETCH(QByteArray, open);
    QFETCH(QString, surface);
    QMetaObject::invokeMethod(fx->item(QStringLiteral("pageArea")), "show", Q_ARG(QVariant, page));
    QQuickItem* category = fx->item(QStringLiteral("keydefine_category"));
    QMetaObject::invokeMethod(category, "setCurIndex", Q_ARG(QVariant, 4));
    settle();
    if (open == "showList")
        QMetaObject::invokeMethod(fx->item(opener), open);
    else if (open == "openFor")
        QMetaObject::invokeMethod(fx->item(opener), open, Q_ARG(QVariant, 0));
    else
        fx->root()->setProperty("isGlobalSettingSelect", true);
    QTest::qWait(300);
    QQuickItem* top = fx->item(surface);
    QVERIFY(top->isVisible());

    QQuickWidget* view = fx->view();
    const QImage before = view->grabFramebuffer();
    QQmlComponent plate(view->engine());
    plate.setData("import QtQuick\nRectangle { color: \"white\" }", QUrl());
    std::unique_ptr<QQuickItem> probe(qobject_cast<QQuickItem*>(plate.create()));
    probe->setParentItem(top->parentItem());
    probe->setZ(top->z());
    probe->stackBefore(top);
    // Inside the rounded corners, which are see-through by design.
    const QRectF inside = QRectF(top->position(), top->size()).adjusted(6, 6, -6, -6);
    probe->setPosition(inside.topLeft());
    probe->setSize(inside.size());
    settle();
    const QImage after = view->grabFramebuffer();
    const QRect area = top->parentItem()->mapRectToScene(inside).toRect();
    int changed = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            changed += qAbs(qGray(before.pixel(x, y)) - qGray(after.pixel(x, y))) > 2;
    }
    QCOMPARE(changed, 0);
}

QTEST_MAIN(TestSceneTextFit)
#include "tst_scene_textfit.moc"
