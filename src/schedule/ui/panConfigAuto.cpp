#include "schedule/ui/panConfigAuto.h"

#include "base/Regional.h"
#include "schedule/core/Frequency.h"
#include "schedule/ui/panPerMov.h"
#include "store/StoreError.h"
#include "ui/common/BoxLeaveChecks.h"
#include "ui/common/DefaultButton.h"
#include "ui/common/MultiLineTextBox.h"
#include "ui/common/centraFormulario.h"

#include "ui/common/ErrorMessage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedLayout>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace tesorin::schedule {

using ui::BoxLeaveChecks;

namespace {

QLineEdit* box(QWidget* parent, const QString& name, int maxLength) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(maxLength);
    return edit;
}

QLabel* label(QWidget* parent, const QString& name, const QString& text, QWidget* buddy = nullptr) {
    auto* caption = new QLabel(text, parent);
    caption->setObjectName(name);
    if (buddy)
        caption->setBuddy(buddy);
    return caption;
}

// Picks the entry that matches text in any letter case; with none, nothing
// is picked and the text is shown greyed in place of a pick.
void pickOrShow(QComboBox* list, const QString& text) {
    const int position = text.isEmpty() ? -1 : list->findText(text, Qt::MatchFixedString);
    list->setPlaceholderText(position < 0 ? text : QString());
    list->setCurrentIndex(position);
}

} // namespace

panConfigAuto::panConfigAuto(store::Database& baseAbierta, QWidget* parent)
    : QDialog(parent), m_base(baseAbierta) {
    setObjectName(QStringLiteral("panConfigAuto"));
    setWindowTitle(QStringLiteral("Automatización de un movimiento de la cuenta"));

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(style()->standardIcon(QStyle::SP_BrowserReload).pixmap(32, 32));
    Label1 =
        label(this, QStringLiteral("Label1"),
              QStringLiteral("Este proceso permite que el programa realize con una determinada "
                             "frecuencia algún movimiento de cuenta específico. Utilice esta "
                             "opción para registrar en forma automática un pago de cuota, un "
                             "cobro fijo, etc."));
    Label1->setWordWrap(true);

    Combo2 = new QComboBox(this);
    Combo2->setObjectName(QStringLiteral("Combo2"));
    Label2 = label(this, QStringLiteral("Label2"),
                   QStringLiteral("Realizar el movimiento con la cuenta :"), Combo2);
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Label3 = label(this, QStringLiteral("Label3"),
                   QStringLiteral("Realizar el movimiento con una frecuencia :"), Combo1);

    Frame1 = new QGroupBox(QStringLiteral(" Detalle de la frecuencia "), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    m_panels = new QStackedLayout(Frame1);

    QFrame* daily = makePanel(0, QStringLiteral("Diariamente :"));
    Text1 = box(daily, QStringLiteral("Text1"), 5);
    Text1->setText(QStringLiteral("00:00"));
    Check1 = new QCheckBox(QStringLiteral("No incluir los fines de semana."), daily);
    Check1->setObjectName(QStringLiteral("Check1"));
    auto* dailyLayout = static_cast<QGridLayout*>(daily->layout());
    dailyLayout->addWidget(label(daily, QStringLiteral("Label5"),
                                 QStringLiteral("Asentar el movimiento a las :"), Text1),
                           1, 0);
    dailyLayout->addWidget(Text1, 1, 1);
    dailyLayout->addWidget(label(daily, QStringLiteral("Label6"), QStringLiteral("Hs.")), 1, 2);
    dailyLayout->addWidget(Check1, 2, 0, 1, 3);

    QFrame* weekly = makePanel(1, QStringLiteral("Semanalmente :"));
    Combo3 = new QComboBox(weekly);
    Combo3->setObjectName(QStringLiteral("Combo3"));
    auto* weeklyLayout = static_cast<QGridLayout*>(weekly->layout());
    weeklyLayout->addWidget(label(weekly, QStringLiteral("Label8"),
                                  QStringLiteral("Asentar el movimiento el día :"), Combo3),
                            1, 0);
    weeklyLayout->addWidget(Combo3, 1, 1);

    QFrame* fortnightly = makePanel(2, QStringLiteral("Quincenalmente :"));
    Text2 = box(fortnightly, QStringLiteral("Text2"), 2);
    Text2->setText(QStringLiteral("1"));
    Text3 = box(fortnightly, QStringLiteral("Text3"), 2);
    Text3->setText(QStringLiteral("15"));
    auto* fortnightlyLayout = static_cast<QGridLayout*>(fortnightly->layout());
    fortnightlyLayout->addWidget(label(fortnightly, QStringLiteral("Label10"),
                                       QStringLiteral("Asentar el dia de la 1º Quincena :"), Text2),
                                 1, 0);
    fortnightlyLayout->addWidget(Text2, 1, 1);
    fortnightlyLayout->addWidget(label(fortnightly, QStringLiteral("Label11"),
                                       QStringLiteral("Asentar el dia de la 2º Quincena :"), Text3),
                                 2, 0);
    fortnightlyLayout->addWidget(Text3, 2, 1);

    QFrame* monthly = makePanel(3, QStringLiteral("Mensualmente :"));
    Text5 = box(monthly, QStringLiteral("Text5"), 2);
    Text5->setText(QStringLiteral("1"));
    auto* monthlyLayout = static_cast<QGridLayout*>(monthly->layout());
    monthlyLayout->addWidget(label(monthly, QStringLiteral("Label13"),
                                   QStringLiteral("Asentar el día del Mes :"), Text5),
                             1, 0);
    monthlyLayout->addWidget(Text5, 1, 1);

    for (QLineEdit* dayBox : {Text1, Text2, Text3, Text5})
        dayBox->setMaximumWidth(dayBox->fontMetrics().horizontalAdvance(QStringLiteral("000000")) +
                                16);

    // The movement itself, changed only through the details dialog.
    Text4 = box(this, QStringLiteral("Text4"), 32767);
    Text6 = box(this, QStringLiteral("Text6"), 32767);
    Text6->setText(QStringLiteral("0"));
    Text7 = box(this, QStringLiteral("Text7"), 2);
    Text7->setText(kIncome);
    for (QLineEdit* hidden : {Text4, Text6, Text7})
        hidden->hide();

    Command3 = new QPushButton(QStringLiteral("Personalizar el movimiento..."), this);
    Command3->setObjectName(QStringLiteral("Command3"));
    Command1 = new QPushButton(QStringLiteral("&Aceptar"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2 = new QPushButton(QStringLiteral("&Salir"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    ui::makeOnlyDefault(*this, Command1);

    auto* layout = new QGridLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(Image1, 0, Qt::AlignTop);
    top->addWidget(Label1, 1);
    layout->addLayout(top, 0, 0, 1, 3);
    layout->addWidget(Label2, 1, 0, 1, 2);
    layout->addWidget(Combo2, 1, 2);
    layout->addWidget(Label3, 2, 0, 1, 2);
    layout->addWidget(Combo1, 2, 2);
    layout->addWidget(Frame1, 3, 0, 1, 3);
    auto* details = new QHBoxLayout;
    details->addStretch();
    details->addWidget(Command3);
    layout->addLayout(details, 4, 0, 1, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    layout->addLayout(buttons, 5, 0, 1, 3);
    layout->setColumnStretch(2, 1);
    Label1->setMinimumWidth(420);

    m_checks = new BoxLeaveChecks(*this);
    m_checks->watch(Text1, checkTimeBox);
    m_checks->watch(Text2,
                    [](const QString& text) { return checkDayBox(DayBox::FirstFortnight, text); });
    m_checks->watch(Text3,
                    [](const QString& text) { return checkDayBox(DayBox::SecondFortnight, text); });
    m_checks->watch(Text5, [](const QString& text) { return checkDayBox(DayBox::MonthDay, text); });

    connect(Combo1, &QComboBox::currentIndexChanged, this, &panConfigAuto::Combo1_Click);
    connect(Command1, &QPushButton::clicked, this, &panConfigAuto::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &panConfigAuto::reject);
    connect(Command3, &QPushButton::clicked, this, &panConfigAuto::Command3_Click);

    // Loading: the weekdays with "Lunes" picked, the frequencies with
    // "Mensual" (its panel comes to the front), every account, none picked.
    Combo3->addItems(weekdayNames());
    Combo3->setCurrentIndex(1);
    Combo1->addItems(frequencyNames());
    Combo1->setCurrentIndex(int(Frequency::Mensual));
    try {
        Combo2->addItems(accountNames(m_base));
    } catch (const store::StoreError& failure) {
        ui::showError(this, failure.message(), ui::kSpacedErrorTitle);
    }
    Combo2->setCurrentIndex(-1);
}

QFrame* panConfigAuto::makePanel(int index, const QString& title) {
    auto* panel = new QFrame(Frame1);
    panel->setObjectName(QStringLiteral("SSPanel1_%1").arg(index));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setAccessibleName(title);
    auto* layout = new QGridLayout(panel);
    layout->addWidget(label(panel, QStringLiteral("Label%1").arg(4 + 3 * index), title), 0, 0, 1,
                      3);
    layout->setColumnStretch(3, 1);
    layout->setRowStretch(3, 1);
    SSPanel1[size_t(index)] = panel;
    m_panels->addWidget(panel);
    return panel;
}

void panConfigAuto::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_centred) {
        m_centred = true;
        ui::centraFormulario(*this);
    }
}

int panConfigAuto::panelInFront() const {
    return m_panels->currentIndex();
}

void panConfigAuto::Combo1_Click() {
    // The panels behind keep their values.
    if (Combo1->currentIndex() >= 0)
        m_panels->setCurrentIndex(Combo1->currentIndex());
}

void panConfigAuto::mostrarProgramacion(const ScheduleEntry& stored) {
    pickOrShow(Combo2, stored.account);
    pickOrShow(Combo1, stored.frequency);
    Check1->setChecked(stored.weekendsExcluded);
    Text2->setText(stored.firstFortnightDay);
    Text3->setText(stored.secondFortnightDay);
    Text5->setText(stored.monthDay);
    Text1->setText(stored.timeOfDay);
    Text4->setText(stored.detail);
    Text6->setText(stored.amount);
    Text7->setText(stored.direction);
    // 0 is "no weekday picked"; any other number outside the list is shown.
    const bool known = stored.weekday >= kFirstWeekday && stored.weekday <= kLastWeekday;
    Combo3->setPlaceholderText(known || stored.weekday == 0 ? QString()
                                                            : QString::number(stored.weekday));
    Combo3->setCurrentIndex(known ? stored.weekday - 1 : -1);
}

ScheduleEntry panConfigAuto::programacion() const {
    ScheduleEntry entry;
    entry.account = Combo2->currentText();
    entry.frequency = Combo1->currentText();
    entry.weekendsExcluded = Check1->isChecked();
    entry.firstFortnightDay = Text2->text();
    entry.secondFortnightDay = Text3->text();
    entry.weekday = Combo3->currentIndex() + 1;
    entry.monthDay = Text5->text();
    entry.timeOfDay = Text1->text();
    entry.detail = Text4->text();
    entry.amount = Text6->text();
    entry.direction = Text7->text();
    return entry;
}

void panConfigAuto::Command1_Click() {
    if (!m_checks->settle())
        return;
    if (Combo1->currentIndex() == int(Frequency::Semanal) && Combo3->currentIndex() < 0) {
        ui::showError(
            this,
            QStringLiteral("Si selecciona una frecuencia semanal, deberá ingresar el día de la "
                           "semana a realizar el movimiento."),
            ui::kSpacedErrorTitle);
        Combo3->setFocus();
        return;
    }
    if (Combo1->currentIndex() < 0) {
        ui::showError(
            this, QStringLiteral("Debe seleccionar una frecuencia para el movimiento automático."),
            ui::kSpacedErrorTitle);
        Combo1->setFocus();
        return;
    }
    if (Combo2->currentIndex() < 0) {
        ui::showError(this, QStringLiteral("Debe seleccionar la cuenta para el movimiento."),
                      ui::kSpacedErrorTitle);
        return;
    }
    // The amount is written into a money field: it has to be a number.
    if (!regional::readNumber(Text6->text())) {
        ui::showError(this, invalidAmountMessage(), ui::kSpacedErrorTitle);
        Command3->setFocus();
        return;
    }
    Tag = QStringLiteral("SI");
    accept();
}

void panConfigAuto::reject() {
    Tag = QStringLiteral("NO");
    QDialog::reject();
}

void panConfigAuto::Command3_Click() {
    if (!m_checks->settle())
        return;
    if (!m_details)
        m_details = new panPerMov(this);
    m_details->Text2->setPlainText(Text4->text());
    m_details->setDirection(Text7->text());
    // A stored amount longer than what the box takes from the keyboard is
    // kept whole.
    m_details->Text1->setMaxLength(std::max(12, int(Text6->text().size())));
    m_details->Text1->setText(Text6->text());
    m_details->Tag.clear();
    m_details->exec();
    // Closed through its frame: the movement stays as it was.
    if (m_details->Tag != QLatin1String("SI"))
        return;
    Text4->setText(m_details->Text2->toPlainText());
    Text7->setText(m_details->direction());
    Text6->setText(m_details->Text1->text());
}

} // namespace tesorin::schedule
