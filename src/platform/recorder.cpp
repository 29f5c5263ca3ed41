#include "platform/recorder.h"

#include <QStringList>

namespace platform {

std::vector<RecordedOp> Recorder::ops(const QString& op) const {
  std::vector<RecordedOp> out;
  for (const auto& o : ops_)
    if (o.op == op) out.push_back(o);
  return out;
}

const RecordedOp* Recorder::findText(const QString& text) const {
  for (const auto& o : ops_)
    if (o.op == QLatin1String("TextOut") && o.text == text) return &o;
  return nullptr;
}

const RecordedOp* Recorder::findTextContaining(const QString& part) const {
  for (const auto& o : ops_)
    if (o.op == QLatin1String("TextOut") && o.text.contains(part)) return &o;
  return nullptr;
}

int Recorder::count(const QString& op) const {
  int n = 0;
  for (const auto& o : ops_)
    if (o.op == op) ++n;
  return n;
}

QString Recorder::allText() const {
  QStringList l;
  for (const auto& o : ops_)
    if (o.op == QLatin1String("TextOut")) l << o.text;
  return l.join(QLatin1Char('\n'));
}

}  // namespace platform
