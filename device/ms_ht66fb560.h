#pragma once

#include <QObject>

class QWidget;

// The link to the mouse. The host window holds it by value.
class MS_HT66FB560 : public QObject {
    Q_OBJECT
public:
    MS_HT66FB560();
    ~MS_HT66FB560() override;

    QWidget* owner = nullptr;
};
