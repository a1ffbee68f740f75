#pragma once

#include <QObject>
#include <QUrl>

// Opens "file:" addresses that are relative to the program's folder, such as the user guide
// "file:modules/guide/index.html" the scene's logo opens by default: desktop URL handlers
// need absolute paths. Other addresses pass through unchanged. When no program opens the
// address (no opener installed, or it gave up), failed() names the absolute address.
class LocalUrlOpener : public QObject {
    Q_OBJECT
public:
    explicit LocalUrlOpener(QObject* parent = nullptr);
    ~LocalUrlOpener() override;

    static QUrl absolute(const QUrl& url);

public slots:
    void openUrl(const QUrl& url);

signals:
    void failed(const QUrl& url);
};
