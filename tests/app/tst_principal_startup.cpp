// Start-up of the main window: order, captions, splash, the state it leaves,
// the menus, buttons and status bar, the About box.
#include "MainWindowFixture.h"

#include "app/panacerca.h"
#include "base/Clock.h"
#include "base/ProgramInfo.h"
#include "store/StoreError.h"
#include "store/WorkAreaFolder.h"
#include "ui/common/Panel3D.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>

using namespace tesorin;
using app::principal;
using test::ModalDriver;
using ui::Panel3D;

class TstPrincipalStartup : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestWorkArea> area;
    std::unique_ptr<principal> window;

private slots:
    void init() { area = std::make_unique<test::TestWorkArea>(); }

    void cleanup() {
        window.reset();
        area.reset();
        clock::setTodayForTests(QDate());
        TESORIN_VERIFY_NO_WINDOW_LEFT();
    }

    void startsOnBaseWithCaptionsAndZeroTotals() {
        window = test::openMainWindow();
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QStringLiteral("Tesorin! - [BASE.MDB]"));
        QCOMPARE(window->SSPanel3()->caption(), QStringLiteral("        BASE.MDB"));
        QCOMPARE(window->DBGrid1()->caption(), QStringLiteral("<Todos los movimientos>"));
        QCOMPARE(window->estado().nombreBase, QStringLiteral("BASE.MDB"));
        QVERIFY(window->estado().baseAbierta && window->estado().baseAbierta->isOpen());
        QVERIFY(!window->estado().recCuentas);
        QVERIFY(!window->estado().recMovimientos);
        QCOMPARE(window->Data1().RecordSource(),
                 QStringLiteral("select * from Movimientos order by fecha"));
        QCOMPARE(window->Data1().rowCount(), 0L);
        // The empty view has been through a reposition: zero in the currency form.
        for (const char* name : {"labSaldo", "LabIng", "labEgr"})
            QCOMPARE(window->findChild<QLabel*>(name)->text(), test::blanks("$~0,00"));
    }

    // The work area's name runs between the panel's two pictures, in the
    // plain type of the window (the bottom panel's message is bold).
    void theWorkAreaPanelShowsItsNameClearOfItsPictures() {
        window = test::openMainWindow();
        QVERIFY(window);
        Panel3D* panel = window->SSPanel3();
        QVERIFY(!panel->fontInfo().bold());
        const QRect caption = panel->contentsRect();
        for (const char* picture : {"Image9", "Image1"}) {
            const QWidget* shown = panel->findChild<QWidget*>(picture);
            QVERIFY(shown);
            QVERIFY2(!caption.intersects(shown->geometry()), picture);
        }
        QVERIFY(caption.width() >=
                panel->fontMetrics().horizontalAdvance(QStringLiteral("BASE.MDB")));
    }

    void splashComesFirstAndClosesItself() {
        constexpr int kSplashMs = 150;
        window = std::make_unique<principal>(kSplashMs);
        QString modal;
        bool windowShown = true;
        int interval = 0;
        QPoint offCentre;
        ModalDriver driver;
        driver.then([&](QWidget* splash) {
            modal = splash->objectName();
            windowShown = window->isVisible();
            interval = splash->findChild<QTimer*>("Timer1")->interval();
            offCentre = splash->frameGeometry().center() - splash->screen()->geometry().center();
        });
        QElapsedTimer waited;
        waited.start();
        QVERIFY(window->Form_Load());
        // Nothing clicked: the splash closed on its own timer.
        QVERIFY(waited.elapsed() >= kSplashMs);
        QCOMPARE(modal, QStringLiteral("portada"));
        QVERIFY(!windowShown);
        QCOMPARE(interval, kSplashMs);
        QVERIFY2(offCentre.manhattanLength() <= 2, "the splash is centred");
        QVERIFY(test::visibleTopLevels().isEmpty());
    }

    void unusableBaseShowsTheStoreMessageAndStops_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("not a database")
            << QByteArray("esto no es una caja, es un texto cualquiera");
        QTest::newRow("no tables") << QByteArray();
    }

    void unusableBaseShowsTheStoreMessageAndStops() {
        QFETCH(QByteArray, content);
        QFile base(area->path("BASE.MDB"));
        QVERIFY(base.open(QIODevice::WriteOnly | QIODevice::Truncate));
        base.write(content);
        base.close();
        QString expected;
        try {
            store::Database::OpenDatabase(QStringLiteral("BASE.MDB"));
        } catch (const store::StoreError& failure) {
            expected = failure.message();
        }
        QVERIFY(!expected.isEmpty());

        window = std::make_unique<principal>(100);
        ModalDriver driver;
        driver.nextAnswer(QMessageBox::Ok);
        QVERIFY(!window->Form_Load());
        QCOMPARE(driver.messages().size(), 1);
        QCOMPARE(driver.messages().first().text, expected);
        QCOMPARE(driver.messages().first().icon, QMessageBox::Critical);
        // No splash after a failed open.
        QCOMPARE(base.size(), qint64(content.size()));
    }

    void menus_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("items");
        // "name|caption"; a separator has no caption.
        QTest::newRow("Archivo") << "&Archivo"
                                 << QStringList{"menuArcNueva|&Nueva cuenta de caja",
                                                "menuArcCierra|&Cerrar cuenta de caja",
                                                "menuArcAbrir|&Abrir cuenta de caja",
                                                "menuArcTitular|&Datos del titular...",
                                                "menuArcRestaurar|&Restaurar copia de "
                                                "seguridad...",
                                                "MenuNada0",
                                                "menuArcImportar|&Importar movimientos...",
                                                "menuArcExportar|&Exportar movimientos...",
                                                "menuNadaIntercambio",
                                                "menuArcSalir|&Salir"};
        QTest::newRow("Edición") << "&Edición"
                                 << QStringList{"menuCopiarRegistro|&Copiar Registro",
                                                "menuBuscaReg|&Buscar Registro", "menuNadaaaa",
                                                "menuDeshacer|&Deshacer", "menuRehacer|&Rehacer"};
        QTest::newRow("Movimientos")
            << "&Movimientos"
            << QStringList{"menuMovPago|Nuevo &Pago",
                           "menuMovIngreso|Nuevo &Ingreso",
                           "menuNada1",
                           "menuMovBorrar|&Borrar movimiento",
                           "menuMovBuscar|B&uscar movimiento",
                           "menuNada2",
                           "menuMovProgramados|&Movimientos programados..."};
        QTest::newRow("Informes") << "&Informes"
                                  << QStringList{"menuInfEstado|&Estado de cuenta",
                                                 "menuInfSumas|&Sumas y saldos de cuentas",
                                                 "menuNada3",
                                                 "menuInfMens|&Gráfico y Resumen mensual",
                                                 "menuInfGraficoCta|Gráfico y Resumen &anual"};
        QTest::newRow("Ayuda") << "A&yuda" << QStringList{"menuAyuAcerca|&Acerca de..."};
    }

    void menus() {
        QFETCH(QString, title);
        QFETCH(QStringList, items);
        window = test::openMainWindow();
        QVERIFY(window);
        QMenu* menu = nullptr;
        for (QAction* entry : window->menuBar()->actions()) {
            if (entry->text() == title)
                menu = entry->menu();
        }
        QVERIFY2(menu, qPrintable(title));
        QStringList shown;
        for (QAction* item : menu->actions()) {
            shown << (item->isSeparator() ? item->objectName()
                                          : item->objectName() + QLatin1Char('|') + item->text());
        }
        QCOMPARE(shown, items);
    }

    // Every item is reached by a letter of its own within its menu.
    void everyItemHasItsOwnMnemonic() {
        window = test::openMainWindow();
        QVERIFY(window);
        for (QAction* entry : window->menuBar()->actions()) {
            QMap<QKeySequence, QString> taken;
            for (QAction* item : entry->menu()->actions()) {
                if (item->isSeparator())
                    continue;
                const QKeySequence mnemonic = QKeySequence::mnemonic(item->text());
                QVERIFY2(!mnemonic.isEmpty(), qPrintable(item->text()));
                QVERIFY2(!taken.contains(mnemonic),
                         qPrintable(taken.value(mnemonic) + " / " + item->text()));
                taken.insert(mnemonic, item->text());
            }
        }
    }

    void ownItemsUsableAtStartUp() {
        window = test::openMainWindow();
        QVERIFY(window);
        for (const char* name : {"menuArcSalir", "menuAyuAcerca"})
            QVERIFY2(window->menuItem(name)->isEnabled(), name);
        // An empty view has no movement to copy, a new work area no step to
        // undo or make again.
        for (const char* name : {"menuCopiarRegistro", "menuDeshacer", "menuRehacer"})
            QVERIFY2(!window->menuItem(name)->isEnabled(), name);
    }

    void buttons_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("toolTip");
        QTest::newRow("0") << 0 << "Nuevo Ingreso"
                           << "Ingresa un nuevo movimiento de ingreso.";
        QTest::newRow("1") << 1 << "Nuevo Egreso"
                           << "Ingresa un nuevo movimiento de salida.";
        QTest::newRow("2") << 2 << "Eliminar"
                           << "Permite eliminar un movimiento seleccionado";
        QTest::newRow("3") << 3 << "Ver & Buscar"
                           << "Permite ubicar uno o varios movimientos";
        QTest::newRow("4") << 4 << "Informes"
                           << "Permite Imprimir un listado de movimientos";
        QTest::newRow("5") << 5 << "Resúmen"
                           << "Realiza una tabla y un gráfico anual de movimientos.";
        QTest::newRow("6") << 6 << "Cuentas"
                           << "Administra el uso de cuentas para los movimientos.";
    }

    void buttons() {
        QFETCH(int, index);
        QFETCH(QString, caption);
        QFETCH(QString, toolTip);
        window = test::openMainWindow();
        QVERIFY(window);
        auto* button = window->findChild<ui::Panel3D*>(QStringLiteral("spboton_%1").arg(index));
        auto* picture = window->findChild<QLabel*>(QStringLiteral("botImage_%1").arg(index));
        QVERIFY(button && picture);
        QCOMPARE(picture->parentWidget(), button);
        QCOMPARE(button->caption(), caption);
        QCOMPARE(button->accessibleName(), caption);
        QCOMPARE(picture->toolTip(), toolTip);

        // Usable only with something to run, and while a work area is open.
        window->setButtonAction(index, [] {});
        QVERIFY(button->isEnabled() && picture->isEnabled());
        window->setButtonsEnabled(false);
        QVERIFY(!button->isEnabled() && !picture->isEnabled());
        window->setButtonsEnabled(true);
        QVERIFY(button->isEnabled());
        window->setButtonAction(index, nullptr);
        QVERIFY(!button->isEnabled());
    }

    void statusBarPanels() {
        clock::setTodayForTests(QDate(2024, 3, 5));
        window = test::openMainWindow();
        QVERIFY(window);
        QStringList texts;
        for (int number = 1; number <= 7; ++number) {
            auto* panel =
                window->statusBar()->findChild<QLabel*>(QStringLiteral("Panels_%1").arg(number));
            QVERIFY(panel);
            texts << panel->text();
        }
        QCOMPARE(texts.value(1), QStringLiteral("5/3/2024"));
        QVERIFY(!texts.value(2).isEmpty());
        texts[1] = texts[2] = QString();
        QCOMPARE(texts, (QStringList{"www.velmora.example", "", "", "MAYÚS", "NÚM", "INS",
                                     " Velmora! soluciones simples e intuitivas"}));
        QCOMPARE(window->statusBar()->findChild<QLabel*>("Panels_1")->toolTip(),
                 QStringLiteral("Haga click para ingresar a nuestro Sitio Web"));
    }

    void keyIndicatorsFollowTheKeys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("panel");
        QTest::newRow("Caps Lock") << int(Qt::Key_CapsLock) << "Panels_4";
        QTest::newRow("Num Lock") << int(Qt::Key_NumLock) << "Panels_5";
        QTest::newRow("Insert") << int(Qt::Key_Insert) << "Panels_6";
    }

    void keyIndicatorsFollowTheKeys() {
        QFETCH(int, key);
        QFETCH(QString, panel);
        window = test::openMainWindow();
        QVERIFY(window);
        auto* indicator = window->statusBar()->findChild<QLabel*>(panel);
        QVERIFY(!indicator->isEnabled());
        QTest::keyClick(window->windowHandle(), Qt::Key(key));
        QVERIFY(indicator->isEnabled());
        QTest::keyClick(window->windowHandle(), Qt::Key(key));
        QVERIFY(!indicator->isEnabled());
    }

    void aboutBox() {
        window = test::openMainWindow();
        QVERIFY(window);
        QString caption, text, folder;
        ModalDriver driver;
        driver.then([&](QWidget* box) {
            caption = box->windowTitle();
            text = box->findChild<QPlainTextEdit*>("Text1")->toPlainText();
            folder = box->findChild<QLabel*>("labCarpeta")->text();
            ModalDriver::clickLater(box->findChild<QPushButton*>("Command1"));
        });
        window->menuItem("menuAyuAcerca")->trigger();
        QCOMPARE(caption, QStringLiteral("Acerca de..."));
        QCOMPARE(text.split(QLatin1Char('\n')).mid(0, 3),
                 (QStringList{"Tesorin!",
                              QStringLiteral("Versión %1 para Linux").arg(program::kVersion), ""}));
        QVERIFY2(folder.contains(QDir::toNativeSeparators(store::workAreaFolder())),
                 qPrintable(folder));
        QVERIFY(!window->findChild<app::panacerca*>());
    }
};

TESORIN_GUI_TEST_MAIN(TstPrincipalStartup)
#include "tst_principal_startup.moc"
