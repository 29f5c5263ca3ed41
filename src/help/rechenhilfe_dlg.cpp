#include "help/rechenhilfe_dlg.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QMouseEvent>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyle>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

#include "help/help_sections.h"
#include "platform/bevel.h"
#include "platform/fonts.h"
#include "platform/safe_call.h"
#include "platform/services.h"
#include "toolkit/dialog_bausteine.h"
#include "toolkit/zeichenmodus.h"

namespace help {

namespace {

const QString kTitel = QStringLiteral("Rechenhilfe");

// Tree whose mouse press reaches the dialog after the tree has selected the item under it;
// Return, Enter and Space on the current item open it as a click does.
class TTreeView : public QTreeWidget {
 public:
  using QTreeWidget::QTreeWidget;
  std::function<void(int, int)> OnMouseDown;
  std::function<void()> OnOpen;

  // The hit test "on an item": on its text, not on the expand arrow or the rest of the row.
  bool Auf_Eintrag(int x, int y) const {
    const QTreeWidgetItem* item = itemAt(x, y);
    if (item == nullptr) return false;
    const QRect zeile = visualItemRect(item);
    const int rand = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    const int breite = fontMetrics().horizontalAdvance(item->text(0)) + 2 * rand;
    return x >= zeile.left() && x < zeile.left() + breite;
  }

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    QTreeWidget::mousePressEvent(event);
    const QPoint p = event->position().toPoint();
    if (OnMouseDown) platform::guarded([&] { OnMouseDown(p.x(), p.y()); });
  }

  void keyPressEvent(QKeyEvent* event) override {
    const int k = event->key();
    if ((k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Space) && currentItem() != nullptr && OnOpen) {
      currentItem()->setSelected(true);
      platform::guarded(OnOpen);
      return;
    }
    QTreeWidget::keyPressEvent(event);
  }
};

QPushButton* Neuer_Knopf(QWidget* parent, const char* name, const QString& text, int left) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  button->setGeometry(left, 512, 75, 25);
  button->setAutoDefault(false);  // Enter in the tree must not print
  return button;
}

}  // namespace

TRechenhilfeDlg::TRechenhilfeDlg(QWidget* parent) : QDialog(parent) {
  setObjectName("RechenhilfeDlg");
  setWindowTitle(QStringLiteral("Rechenhilfe:"));
  setFont(Dialogschrift(false));
  setFixedSize(455, 551);

  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName("PageControl1");
  PageControl1->setGeometry(8, 8, 441, 489);
  TabSheet1 = new QWidget;
  TabSheet1->setObjectName("TabSheet1");
  TabSheet2 = new QWidget;
  TabSheet2->setObjectName("TabSheet2");
  PageControl1->addTab(TabSheet1, QStringLiteral(" Hilfetext "));
  PageControl1->addTab(TabSheet2, QStringLiteral(" Themen "));

  RichEdit2 = new QTextEdit(TabSheet1);
  RichEdit2->setObjectName("RichEdit2");
  RichEdit2->setFont(Dialogschrift(true));
  QPalette palette = RichEdit2->palette();
  palette.setColor(QPalette::Base, QColor(0xF9, 0xF0, 0xCC));
  palette.setColor(QPalette::Text, Qt::blue);
  RichEdit2->setPalette(palette);
  // Lines wrap at the window edge: the help paragraphs are far wider than the page.
  RichEdit2->setLineWrapMode(QTextEdit::WidgetWidth);
  RichEdit2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  RichEdit2->setAcceptRichText(true);
  auto* fuellen = new QVBoxLayout(TabSheet1);
  fuellen->setContentsMargins(0, 0, 0, 0);
  fuellen->addWidget(RichEdit2);
  Schreibe_Anfangstext();

  auto* tree = new TTreeView(TabSheet2);
  TreeView1 = tree;
  TreeView1->setObjectName("TreeView1");
  TreeView1->setGeometry(16, 24, 281, 353);
  TreeView1->setIndentation(25);
  TreeView1->setHeaderHidden(true);
  TreeView1->setSelectionMode(QAbstractItemView::SingleSelection);
  std::vector<QTreeWidgetItem*> knoten;
  for (const Themeneintrag& eintrag : kThemen) {
    auto* item = eintrag.eltern < 0 ? new QTreeWidgetItem(TreeView1) : new QTreeWidgetItem(knoten[eintrag.eltern]);
    item->setText(0, eintrag.text.toString());
    knoten.push_back(item);
  }
  tree->OnMouseDown = [this](int x, int y) { TreeView1MouseDown(x, y); };
  tree->OnOpen = [this] { Zeige_eintrag(Gewaehlter_Eintrag()); };

  auto* bevel = new platform::Bevel(this, platform::TBevelShape::bsTopLine);
  bevel->setGeometry(8, 503, 441, 2);

  Button1 = Neuer_Knopf(this, "Button1", QStringLiteral("Drucken"), 16);
  Button2 = Neuer_Knopf(this, "Button2", QStringLiteral("Kopieren"), 104);
  CancelBtn = Neuer_Knopf(this, "CancelBtn", QStringLiteral("Abbrechen"), 367);

  PageControl1->setCurrentWidget(TabSheet2);
  platform::safe_connect(PageControl1, &QTabWidget::currentChanged, this, [this](int) { PageControl1Change(); });
  platform::safe_connect(Button1, &QPushButton::clicked, this, [this](bool) { Button1Click(); });
  platform::safe_connect(Button2, &QPushButton::clicked, this, [this](bool) { Button2Click(); });
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TRechenhilfeDlg::Schreibe_Anfangstext() {
  RichEdit2->clear();
  QTextCursor cursor(RichEdit2->document());
  QTextBlockFormat absatz;
  absatz.setAlignment(Qt::AlignHCenter);
  QTextCharFormat zeichen;
  zeichen.setFont(Dialogschrift(true));
  zeichen.setForeground(Qt::blue);
  cursor.setBlockFormat(absatz);
  cursor.setBlockCharFormat(zeichen);
  cursor.insertText(QStringLiteral("Velumat"), zeichen);
  cursor.insertBlock(absatz, zeichen);
  cursor.insertBlock(absatz, zeichen);
  cursor.insertText(QStringLiteral("Wählen Sie eine Rubrik auf der Registrierkarte \"Themen\"."), zeichen);
  RichEdit2->moveCursor(QTextCursor::Start);
}

void TRechenhilfeDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (gezeigt_) return;
  gezeigt_ = true;
  if (const QScreen* screen = this->screen()) move(screen->availableGeometry().center() - rect().center());
  platform::guarded([this] { FormShow(); });
}

std::optional<QString> TRechenhilfeDlg::Pfad_Hilfedatei() const {
  if (!hilfedatei_.isEmpty()) return hilfedatei_;
  return Finde_Hilfedatei();
}

void TRechenhilfeDlg::Zeige_Seite(QWidget* page) {
  // Like the platform's page control: choosing the page from code does not count as a change.
  const QSignalBlocker still(PageControl1);
  PageControl1->setCurrentWidget(page);
}

void TRechenhilfeDlg::zeige_rechenhilfe(QStringView key, QTextEdit* target) {
  abschnitt_gewaehlt_ = true;
  // A missing or unreadable help file is said as such, not as an input error.
  const std::optional<QString> pfad = Pfad_Hilfedatei();
  if (!pfad) {
    platform::services().message_boxes->Error(
        kTitel, QStringLiteral("Die Hilfedatei \"%1\" wurde nicht gefunden.\nGesucht in:\n%2")
                    .arg(kHilfedatei.toString(), Suchordner_Hilfedatei().join(u'\n')));
    return;
  }
  const Abschnitt abschnitt = Lade_Abschnitt(*pfad, key);
  if (!abschnitt.datei.ok && !abschnitt.text) {
    const QString& grund = abschnitt.datei.error;
    platform::services().message_boxes->Error(
        kTitel, grund.contains(*pfad)
                    ? grund
                    : QStringLiteral("Die Hilfedatei \"%1\" ist nicht lesbar.\n%2").arg(*pfad, grund));
    return;
  }
  // The section goes straight into the target; the clipboard keeps what the user copied.
  target->clear();
  if (abschnitt.text) {
    QTextCursor cursor(target->document());
    cursor.insertFragment(*abschnitt.text);
  }
  target->moveCursor(QTextCursor::Start);
  Zeige_Seite(TabSheet1);
  Button1->setEnabled(true);
  Button2->setEnabled(true);
}

void TRechenhilfeDlg::Zeige_eintrag(int index) {
  abschnitt_gewaehlt_ = true;
  if (const auto key = Schluessel_fuer_Eintrag(index))
    zeige_rechenhilfe(*key, RichEdit2);
  else
    Zeige_Seite(TabSheet2);
}

void TRechenhilfeDlg::FormShow() {
  if (abschnitt_gewaehlt_) return;
  if (const auto key = Abschnitt_fuer_Modus(Zeichenmodus)) zeige_rechenhilfe(*key, RichEdit2);
}

void TRechenhilfeDlg::TreeView1MouseDown(int x, int y) {
  if (!static_cast<const TTreeView*>(TreeView1)->Auf_Eintrag(x, y)) return;
  Zeige_eintrag(Gewaehlter_Eintrag());
}

int TRechenhilfeDlg::Gewaehlter_Eintrag() const {
  int gewaehlt = -1;
  int index = 0;
  for (QTreeWidgetItemIterator it(TreeView1); *it; ++it, ++index)
    if ((*it)->isSelected()) gewaehlt = index;
  return gewaehlt;
}

void TRechenhilfeDlg::PageControl1Change() {
  const bool hilfetext = PageControl1->currentWidget() == TabSheet1;
  Button1->setEnabled(hilfetext);
  Button2->setEnabled(hilfetext);
}

void TRechenhilfeDlg::Button2Click() {
  RichEdit2->selectAll();
  const QTextDocument* doc = RichEdit2->document();
  platform::services().clipboard->SetRichText(doc->toHtml(), doc->toPlainText());
}

void Drucke_Dokument(const QTextDocument& doc, QPaintDevice* device, int page_width, int page_height,
                     const std::function<bool()>& new_page) {
  // Laid out at 96 dpi and scaled to the device, so fonts sized in pixels keep their proportion.
  std::unique_ptr<QTextDocument> kopie(doc.clone());
  QImage layout_geraet(1, 1, QImage::Format_RGB32);
  layout_geraet.setDotsPerMeterX(3780);
  layout_geraet.setDotsPerMeterY(3780);
  kopie->documentLayout()->setPaintDevice(&layout_geraet);
  kopie->setDefaultFont(doc.defaultFont());
  QTextOption umbruch = kopie->defaultTextOption();
  umbruch.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  kopie->setDefaultTextOption(umbruch);
  const qreal faktor = device->logicalDpiX() / 96.0;
  const QSizeF seite(page_width / faktor, page_height / faktor);
  kopie->setPageSize(seite);

  QPainter painter(device);
  if (!painter.isActive()) throw std::runtime_error("Der Drucker lässt sich nicht ansprechen.");
  painter.scale(faktor, faktor);
  const int seiten = kopie->pageCount();
  for (int i = 0; i < seiten; ++i) {
    if (i > 0 && !new_page()) break;
    painter.save();
    painter.translate(0, -i * seite.height());
    kopie->drawContents(&painter, QRectF(0, i * seite.height(), seite.width(), seite.height()));
    painter.restore();
  }
}

void TRechenhilfeDlg::Button1Click() {
  platform::Printer* drucker = platform::services().printer;
  std::unique_ptr<platform::PrintJob> auftrag;
  if (drucker->Available()) auftrag = drucker->BeginDoc(kTitel);
  if (!auftrag) {
    Speichere_als_PDF();
    return;
  }
  const platform::HourglassCursor sanduhr;
  auto* seiten = dynamic_cast<QPagedPaintDevice*>(auftrag->device());
  Drucke_Dokument(*RichEdit2->document(), auftrag->device(), auftrag->PageWidth(), auftrag->PageHeight(),
                  [seiten] { return seiten != nullptr && seiten->newPage(); });
  if (!auftrag->EndDoc())
    platform::services().message_boxes->Error(kTitel, QStringLiteral("Der Hilfetext konnte nicht gedruckt werden."));
}

void TRechenhilfeDlg::Speichere_als_PDF() {
  platform::Services& dienste = platform::services();
  if (!dienste.message_boxes->Confirm(kTitel, QStringLiteral("Es ist kein Drucker eingerichtet.\n"
                                                             "Möchten Sie den Hilfetext als PDF-Datei speichern?")))
    return;
  const auto datei =
      dienste.file_dialogs->SaveFileName(QStringLiteral("Hilfetext als PDF-Datei speichern"),
                                         QStringLiteral("PDF-Dateien (*.pdf)"), QStringLiteral("Rechenhilfe.pdf"));
  if (!datei) return;
  bool geschrieben = false;
  {
    const platform::HourglassCursor sanduhr;
    QPdfWriter pdf(*datei);
    pdf.setTitle(kTitel);
    pdf.setCreator(QStringLiteral("Velumat"));
    pdf.setResolution(300);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    try {
      Drucke_Dokument(*RichEdit2->document(), &pdf, pdf.width(), pdf.height(), [&pdf] { return pdf.newPage(); });
      geschrieben = true;
    } catch (const std::runtime_error&) {
      geschrieben = false;
    }
  }
  if (!geschrieben)
    dienste.message_boxes->Error(kTitel, QStringLiteral("Die Datei\n%1\nkonnte nicht geschrieben werden.").arg(*datei));
}

void Oeffne_Rechenhilfe(QWidget* parent, QStringView key) {
  TRechenhilfeDlg dlg(parent);
  if (!key.isEmpty()) platform::guarded([&] { dlg.zeige_rechenhilfe(key, dlg.RichEdit2); });
  dlg.exec();
}

}  // namespace help
