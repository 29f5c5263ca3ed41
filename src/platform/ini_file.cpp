#include "platform/ini_file.h"

#include <algorithm>
#include <utility>

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringConverter>
#include <QStringDecoder>
#include <QStringEncoder>

namespace platform {
namespace {

bool same(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// Whole number with an optional sign, nothing else but surrounding blanks.
std::optional<int> whole_number(const QString& text) {
  const QString t = text.trimmed();
  int i = (t.startsWith('+') || t.startsWith('-')) ? 1 : 0;
  if (i == t.size()) return std::nullopt;
  for (; i < t.size(); ++i) {
    if (t[i] < '0' || t[i] > '9') return std::nullopt;
  }
  bool ok = false;
  const int v = t.toInt(&ok, 10);
  if (!ok) return std::nullopt;
  return v;
}

}  // namespace

IniFile::IniFile(QString path) : path_(std::move(path)) {
  QFile file(path_);
  if (!file.open(QIODevice::ReadOnly)) return;
  // A settings file is a few hundred bytes; a huge one would cost seconds at every start.
  if (file.size() > kMaxSize) {
    too_large_ = true;
    return;
  }
  Lies(file.read(file.size()));
}

IniFile IniFile::FromBytes(const QByteArray& bytes) {
  IniFile ini{QString()};
  ini.Lies(bytes);
  return ini;
}

void IniFile::Lies(QByteArray bytes) {
  if (bytes.startsWith("\xEF\xBB\xBF")) {
    bom_ = true;
    bytes.remove(0, 3);
  }
  crlf_ = bytes.contains("\r\n");
  QStringDecoder utf8(QStringDecoder::Utf8);
  QString text = utf8.decode(bytes);
  if (utf8.hasError()) {
    latin1_ = true;
    text = QString::fromLatin1(bytes);
  }
  Parse(text);
}

void IniFile::Parse(const QString& text) {
  QString content = text;
  content.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  QStringList raw = content.split('\n');
  if (!raw.isEmpty() && raw.back().isEmpty()) raw.removeLast();  // the final line end
  QString section;
  for (const QString& r : raw) {
    Line line;
    line.text = r;
    const QString t = r.trimmed();
    if (t.startsWith('[') && t.contains(']')) {
      section = t.mid(1, t.indexOf(']') - 1).trimmed();
      line.header = true;
    } else if (!t.isEmpty() && !t.startsWith(';') && !t.startsWith('#') && t.contains('=')) {
      const auto eq = t.indexOf('=');
      line.entry = true;
      line.key = t.left(eq).trimmed();
      line.value = t.mid(eq + 1).trimmed();
    }
    line.section = section;
    lines_.push_back(std::move(line));
  }
}

bool IniFile::Exists() const { return QFileInfo(path_).isFile(); }

std::optional<size_t> IniFile::Find(const QString& section, const QString& key) const {
  for (size_t i = 0; i < lines_.size(); ++i) {
    const Line& l = lines_[i];
    if (l.entry && same(l.section, section) && same(l.key, key)) return i;
  }
  return std::nullopt;
}

bool IniFile::SectionExists(const QString& section) const {
  for (const Line& l : lines_) {
    if (l.header && same(l.section, section)) return true;
  }
  return false;
}

bool IniFile::ValueExists(const QString& section, const QString& key) const { return Find(section, key).has_value(); }

QString IniFile::ReadString(const QString& section, const QString& key, const QString& default_value) const {
  const auto i = Find(section, key);
  return i ? lines_[*i].value : default_value;
}

int IniFile::ReadInteger(const QString& section, const QString& key, int default_value) const {
  const auto i = Find(section, key);
  if (!i) return default_value;
  return whole_number(lines_[*i].value).value_or(default_value);
}

void IniFile::WriteInteger(const QString& section, const QString& key, int value) {
  WriteString(section, key, QString::number(value));
}

void IniFile::WriteString(const QString& section, const QString& key, const QString& value) {
  Line entry;
  entry.entry = true;
  entry.value = value.trimmed();
  if (const auto i = Find(section, key)) {
    Line& l = lines_[*i];
    l.value = entry.value;
    l.text = l.key + '=' + l.value;
    return;
  }
  // After the last entry of the section, or right after its header.
  std::optional<size_t> after;
  for (size_t i = 0; i < lines_.size(); ++i) {
    if (!after) {
      if (lines_[i].header && same(lines_[i].section, section)) after = i;
    } else if (lines_[i].header) {
      break;
    } else if (lines_[i].entry) {
      after = i;
    }
  }
  entry.key = key;
  entry.text = key + '=' + entry.value;
  if (after) {
    entry.section = lines_[*after].section;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(*after + 1), std::move(entry));
    return;
  }
  if (!lines_.empty() && !lines_.back().text.trimmed().isEmpty()) lines_.push_back(Line{});
  Line header;
  header.header = true;
  header.section = section;
  header.text = '[' + section + ']';
  lines_.push_back(std::move(header));
  entry.section = section;
  lines_.push_back(std::move(entry));
}

bool IniFile::UpdateFile() {
  if (too_large_) return false;  // writing what was not read would lose the file's content
  const QByteArray bytes = Bytes();
  QSaveFile file(path_);
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (file.write(bytes) != bytes.size()) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

QByteArray IniFile::Bytes() const {
  QString text;
  const QString end = crlf_ ? QStringLiteral("\r\n") : QStringLiteral("\n");
  for (const Line& l : lines_) text += l.text + end;
  // The byte-order mark stays as found, whatever the encoding: a Latin-1 file may start with
  // one too, and dropping it would turn the next mark-like bytes into a first line.
  QByteArray bytes = bom_ ? QByteArray("\xEF\xBB\xBF") : QByteArray();
  bool latin1 = latin1_;
  if (latin1) {
    for (QChar c : text) {
      if (c.unicode() > 0xFF) latin1 = false;
    }
  }
  // Latin-1 bytes that happen to form valid UTF-8 would be read as UTF-8 next time ("Ã¼"
  // becomes "ü"): such a file is written in UTF-8, so every value reads back as it was.
  if (latin1) {
    const QByteArray roh = text.toLatin1();
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString als_utf8 = utf8.decode(roh);  // decodes only when converted
    const bool nur_ascii = std::all_of(roh.begin(), roh.end(), [](char c) { return static_cast<uchar>(c) < 0x80; });
    if (nur_ascii || utf8.hasError()) {
      bytes += roh;
    } else {
      latin1 = false;
    }
  }
  if (!latin1) bytes += text.toUtf8();
  return bytes;
}

}  // namespace platform
