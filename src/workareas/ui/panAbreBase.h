#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QListWidget;
class QPushButton;

namespace tesorin::workareas {

// "Abrir base de datos o caja": lists the work areas. "Abrir !" (or a
// double-click on the list) with a row selected sets Tag to "SI" and hides
// the dialog; with none it does nothing. The caller reads selectedName().
class panAbreBase : public QDialog {
    Q_OBJECT
public:
    explicit panAbreBase(QWidget* parent = nullptr);

    QString Tag;

    QLabel* Image1;
    QLabel* Label1;
    QLabel* Label2;
    QListWidget* List1;
    QPushButton* Command7;
    QPushButton* Command1;

    // The selected row's text; empty when no row is selected.
    QString selectedName() const;

    void reject() override;

private:
    void Command7_Click();
};

} // namespace tesorin::workareas
