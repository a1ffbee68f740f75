#pragma once

#include <QJsonObject>

class QTextStream;

namespace ctl {
class Session;

// Every setting of one profile (1..5) as `show --json` documents it; never talks to the mouse.
QJsonObject showObject(Session& session, int profile);
void printShow(const QJsonObject& show, QTextStream& out);

// Model constants of the configuration file, as the sensor page reads them.
int dpiBase();
QList<int> dpiChoices();
int rateHz(uint rateByte);
QList<int> rateChoices(); // in Hz
int rateByte(int hz); // 0 for a rate not offered
QString colorText(uint r, uint g, uint b);
} // namespace ctl
