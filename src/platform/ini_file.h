#pragma once

#include <optional>
#include <vector>

#include <QByteArray>
#include <QString>

namespace platform {

// INI file kept line by line in memory, so that writing it back keeps comments, blank lines,
// unknown keys and their order. Sections and keys are case-insensitive. Reads UTF-8, or Latin-1
// when the bytes are not valid UTF-8; writes back in the encoding and line ends it found.
class IniFile {
 public:
  // Reads the file when it exists; a missing or unreadable file reads as empty, and so does
  // one larger than kMaxSize, which then is never written over.
  explicit IniFile(QString path);
  static constexpr qint64 kMaxSize = 1024 * 1024;
  // The same from the file's bytes, without a file.
  static IniFile FromBytes(const QByteArray& bytes);
  bool TooLarge() const { return too_large_; }

  const QString& FileName() const { return path_; }
  bool Exists() const;

  // The value when it is a whole number in the int range (blanks around it allowed), else the default.
  int ReadInteger(const QString& section, const QString& key, int default_value) const;
  void WriteInteger(const QString& section, const QString& key, int value);
  QString ReadString(const QString& section, const QString& key, const QString& default_value) const;
  void WriteString(const QString& section, const QString& key, const QString& value);
  bool SectionExists(const QString& section) const;
  bool ValueExists(const QString& section, const QString& key) const;

  // Writes the file; false when it cannot be written.
  bool UpdateFile();
  // What UpdateFile writes.
  QByteArray Bytes() const;

 private:
  struct Line {
    QString text;     // as read, or as written for a changed value
    QString section;  // section the line belongs to; for a header its own name
    bool header = false;
    bool entry = false;
    QString key;    // entries only, trimmed
    QString value;  // entries only, trimmed
  };

  void Lies(QByteArray bytes);
  void Parse(const QString& text);
  std::optional<size_t> Find(const QString& section, const QString& key) const;

  QString path_;
  std::vector<Line> lines_;
  bool latin1_ = false;
  bool bom_ = false;
  bool crlf_ = false;
  bool too_large_ = false;
};

}  // namespace platform
