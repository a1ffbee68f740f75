#pragma once

#include "focus/focussource.h"
#include "switcher/rules.h"

#include <QObject>
#include <QTimer>

#include <functional>

// Decides which profile the application in front wants, once its focus has settled. No I/O:
// it asks for a selection through selectRequested() and is told the outcome.
class ProfileSwitcher : public QObject {
    Q_OBJECT
public:
    static constexpr int kSettleMs = 250;

    explicit ProfileSwitcher(QObject* parent = nullptr);

    void setExeLookup(std::function<QString(qint64)> lookup) { exeOf = std::move(lookup); }
    // New rules; with `judge`, the application in front is judged again (unless a manual
    // choice holds).
    void setRules(const RuleSet& set, bool judge = true);
    const RuleSet& rules() const { return ruleSet; }

    // A focus report: it settles after kSettleMs without another one. Reports of nothing in
    // front, of the desktop shell or of our own windows cancel a pending one and change nothing.
    void focus(const FocusInfo& info);
    // What the settle timer calls (tests call it for a settled focus).
    void settle();
    // Someone else (the window, z4ctl, the mouse's button) put the mouse on `profile`: it stays
    // so while the application in front keeps the focus.
    void manualChoice(int profile);
    // The result of a selectRequested(): `reached` false when the mouse did not take it.
    void selectionDone(int profile, bool reached);
    // The mouse came back, or may hold anything now: the rule for the front applies again.
    void mouseBack();

    bool hasFront() const { return frontKnown; }
    const FocusInfo& front() const { return frontInfo; }
    int lastSelected() const { return selected; } // -1 when unknown
    QString appliedRule() const { return ruleText; } // the rule that decided last
    bool pending() const { return timer.isActive(); }

signals:
    void selectRequested(int profile);
    // One line per focus report and decision, for `z4switch --print` and the state.
    void note(const QString& line);
    // The settled front or the decision changed (a moment to tell the state).
    void changed();

private:
    void decide();

    std::function<QString(qint64)> exeOf;
    RuleSet ruleSet;
    QTimer timer;
    FocusInfo candidate;
    FocusInfo frontInfo;
    bool frontKnown = false;
    QString holdKey; // the application a manual choice holds for
    int selected = -1;
    QString ruleText;
};
