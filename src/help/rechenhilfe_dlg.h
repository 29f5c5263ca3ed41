#pragma once

#include <QDialog>
#include <QString>
#include <QStringView>
#include <functional>
#include <optional>

class QPaintDevice;
class QPushButton;
class QTabWidget;
class QTextDocument;
class QTextEdit;
class QTreeWidget;
class QWidget;

namespace help {

// "Rechenhilfe:": the help section of the current topic or of an entry chosen from the topic
// tree, read from the help file; the section can be printed and copied.
class TRechenhilfeDlg : public QDialog {
  Q_OBJECT
 public:
  explicit TRechenhilfeDlg(QWidget* parent = nullptr);

  // Loads the section of key into target (RichEdit2), shows " Hilfetext " and enables the
  // buttons. A key without both markers leaves target empty. A missing or unreadable help file
  // gives one message box naming it; then nothing changes.
  void zeige_rechenhilfe(QStringView key, QTextEdit* target);
  // The section of a tree entry; a group node or an index outside the tree shows " Themen ".
  void Zeige_eintrag(int index);
  // The section of the current display mode, unless one was chosen before the dialog showed.
  void FormShow();
  void TreeView1MouseDown(int x, int y);
  void Button1Click();  // "Drucken"
  void Button2Click();  // "Kopieren"
  void PageControl1Change();

  // The help file to read instead of the one found in the usual folders (tests).
  void Setze_Hilfedatei(const QString& pfad) { hilfedatei_ = pfad; }

  QTabWidget* PageControl1;
  QWidget* TabSheet1;
  QWidget* TabSheet2;
  QTextEdit* RichEdit2;
  QTreeWidget* TreeView1;
  QPushButton* Button1;
  QPushButton* Button2;
  QPushButton* CancelBtn;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Zeige_Seite(QWidget* page);
  void Schreibe_Anfangstext();
  void Speichere_als_PDF();
  std::optional<QString> Pfad_Hilfedatei() const;
  // Entry index of the last selected tree node in depth-first order, -1 when none is.
  int Gewaehlter_Eintrag() const;

  QString hilfedatei_;
  bool abschnitt_gewaehlt_ = false;  // a section or entry was chosen before the first show
  bool gezeigt_ = false;
};

// Opens the calculation help modally over parent (experiment, Fourier and exercise dialogs).
// With a key it shows that section; with none, the section of the current display mode.
void Oeffne_Rechenhilfe(QWidget* parent, QStringView key = {});

// Lays out doc at 96 dpi to the page width of device and paints it page by page; new_page is
// asked before every further page and stops the output when it returns false.
void Drucke_Dokument(const QTextDocument& doc, QPaintDevice* device, int page_width, int page_height,
                     const std::function<bool()>& new_page);

}  // namespace help
