#include "desktop/staff_teacher_choice.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "desktop/form_services.h"
#include "staff_book/staff_workbook_texts.h"

namespace soatnoma::desktop {
namespace {

QString Utf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// A row that cannot be opened is shown greyed and cannot be chosen.
QTableWidgetItem* Item(const QString& text, bool openable, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(openable ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags);
  item->setTextAlignment(alignment);
  return item;
}

int FirstOpenable(const std::vector<staff_book::StaffTeacherSheet>& teachers) {
  for (std::size_t row = 0; row < teachers.size(); ++row) {
    if (teachers[row].Openable()) return static_cast<int>(row);
  }
  return -1;
}

QTableWidget* TeacherTable(QWidget* parent, const std::vector<staff_book::StaffTeacherSheet>& teachers) {
  const auto columns = static_cast<int>(staff_book::kStaffTeacherHeadings.size());
  auto* table = new QTableWidget(static_cast<int>(teachers.size()), columns, parent);
  table->setObjectName(QStringLiteral("staffTeachers"));
  table->setAccessibleName(QStringLiteral("Kitobdagi o'qituvchilar"));
  QStringList headings;
  for (const std::string_view heading : staff_book::kStaffTeacherHeadings) headings << Utf8(heading);
  table->setHorizontalHeaderLabels(headings);
  table->verticalHeader()->hide();
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  for (int row = 0; row < table->rowCount(); ++row) {
    const staff_book::StaffTeacherSheet& teacher = teachers[static_cast<std::size_t>(row)];
    const bool openable = teacher.Openable();
    table->setItem(row, 0, Item(QString::fromStdString(teacher.sheetName), openable));
    table->setItem(row, 1, Item(QString::fromStdString(teacher.teacher), openable));
    table->setItem(row, 2,
                   Item(Utf8(staff_book::ListedTotalText(teacher)), openable, Qt::AlignRight | Qt::AlignVCenter));
    table->setItem(row, 3, Item(Utf8(staff_book::ListedNote(teacher)), openable));
  }
  table->resizeColumnsToContents();
  table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);  // the teacher's name
  table->setWordWrap(true);
  table->selectRow(FirstOpenable(teachers));
  return table;
}

}  // namespace

int ChooseStaffTeacher(QWidget* parent, const QString& fileName,
                       const std::vector<staff_book::StaffTeacherSheet>& teachers) {
  QDialog dialog(parent);
  dialog.setObjectName(QStringLiteral("staffTeacherChoice"));
  dialog.setWindowTitle(Utf8(staff_book::kStaffTeacherChoiceTitle));
  dialog.resize(720, 420);
  auto* question = new QLabel(Utf8(staff_book::StaffTeacherQuestion(fileName.toStdString())), &dialog);
  question->setObjectName(QStringLiteral("staffTeacherQuestion"));
  question->setWordWrap(true);
  QTableWidget* table = TeacherTable(&dialog, teachers);
  auto* buttons = new QDialogButtonBox(&dialog);
  QPushButton* open = buttons->addButton(Utf8(staff_book::kStaffTeacherOpen), QDialogButtonBox::AcceptRole);
  open->setEnabled(FirstOpenable(teachers) >= 0);
  QPushButton* wholePdf = buttons->addButton(Utf8(staff_book::kStaffWorkbookPdf), QDialogButtonBox::ActionRole);
  wholePdf->setObjectName(QStringLiteral("staffWorkbookPdf"));
  wholePdf->setToolTip(Utf8(staff_book::kStaffWorkbookPrintToolTip));
  buttons->addButton(Utf8(staff_book::kStaffTeacherCancel), QDialogButtonBox::RejectRole);
  constexpr int kPdfChosen = 2;  // the dialog's answer beside Accepted and Rejected
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  QObject::connect(wholePdf, &QPushButton::clicked, &dialog, [&dialog] { dialog.done(kPdfChosen); });
  QObject::connect(table, &QTableWidget::cellDoubleClicked, &dialog, &QDialog::accept);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(question);
  layout->addWidget(table);
  layout->addWidget(buttons);
  const int answer = dialog.exec();
  if (answer == kPdfChosen) return kStaffWorkbookPdfChoice;
  if (answer != QDialog::Accepted || table->currentRow() < 0) return -1;
  const auto chosen = static_cast<std::size_t>(table->currentRow());
  return chosen < teachers.size() && teachers[chosen].Openable() ? table->currentRow() : -1;
}

}  // namespace soatnoma::desktop
