#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPicture>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>
#include <cmath>
#include <vector>

#include "AppIdentity.h"
#include "Forms.h"
#include "Handlers.h"
#include "Layout.h"
#include "Look.h"
#include "Module1.h"
#include "TextBoxes.h"
#include "WindowTestSupport.h"
#include "frmAbout.h"
#include "frmPipeline.h"
#include "frmRecord.h"
#include "frmSplash.h"

namespace varnock::ui {
namespace {

const QString kVersionCaption = QStringLiteral("Version %1").arg(identity::kVersion);

// Drives the real windows on the offscreen platform; message boxes are
// recorded instead of waiting for a user.
class Windows : public WindowTest {
 protected:
  QLineEdit* Box(const char* name) { return Find<QLineEdit>(Instance<frmPipeline>().Window(), name); }
  void Click(const char* name) {
    QTest::mouseClick(Find<QAbstractButton>(Instance<frmPipeline>().Window(), name), Qt::LeftButton);
  }
  // Types into a box as a user does: click into it, then key by key.
  void TypeInto(const char* name, const char* keys) {
    QLineEdit* box = Box(name);
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, QString::fromUtf8(keys));
  }
  QString Results() { return Box("txtELRgal")->text() + " " + Box("txtELRml")->text(); }
  // Shows every window of the program; gives every control of them.
  QList<QWidget*> ShowAllWindows() {
    QList<QWidget*> controls;
    for (Form* form : AllForms()) {
      form->Show();
      controls += form->Window()->findChildren<QWidget*>();
    }
    return controls;
  }
};

TEST_F(Windows, ANewlyShownCalculatorWindow) {
  QWidget* window = ShowCalculator();
  EXPECT_EQ(window->windowTitle(), QString::fromUtf8(identity::kCaption));
  EXPECT_FALSE(window->windowIcon().isNull()) << "the icon files were not loaded";
  EXPECT_EQ(window->minimumSize(), window->maximumSize());  // fixed, with a close box only
  EXPECT_EQ(
      window->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      Qt::WindowCloseButtonHint);
  EXPECT_TRUE(Find<QRadioButton>(window, "Option1")->isChecked());
  EXPECT_EQ(Box("txtActual")->text(), QStringLiteral("30"));
  EXPECT_EQ(QApplication::focusWidget(), Box("txtActual"));
  for (const char* name : {"txtLR", "txtRef", "txtELRgal", "txtELRml"}) {
    EXPECT_TRUE(Box(name)->text().isEmpty()) << name;
    EXPECT_FALSE(Box(name)->isEnabled()) << name;
  }
  QTest::keyClicks(QApplication::focusWidget(), "30");
  EXPECT_EQ(Box("txtActual")->text(), QStringLiteral("30")) << "typing replaces the text the program focused";
  Click("cmdCalculate");
  EXPECT_EQ(Results(), QStringLiteral("5.196 327.7906"));
}

// Each window and each menu as the README shows it: rendered here at 96 DPI
// and compared with its committed picture in docs/screenshots, the version
// labels left out, so that a version bump alone passes. A mismatch leaves
// NAME-actual.png and NAME-difference.png in the test's folder.
// VARNOCK_REMAKE_PICTURES=folder writes the pictures there instead
// (scripts/screenshots.sh).
TEST_F(Windows, EachWindowAndMenuLooksAsItsPicture) {
  const QString remake = qEnvironmentVariable("VARNOCK_REMAKE_PICTURES");
  const int flashTime = QApplication::cursorFlashTime();
  QApplication::setCursorFlashTime(0);  // a text cursor that does not blink is in every picture
  auto expectPicture = [&remake](const char* name, QWidget* shown, const char* versionLabel = nullptr) {
    QImage actual = shown->grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (!remake.isEmpty()) return void(actual.save(remake + QStringLiteral("/%1.png").arg(name)));
    QImage expected =
        QImage(QStringLiteral(VARNOCK_PICTURES "/%1.png").arg(name)).convertToFormat(QImage::Format_RGB32);
    if (versionLabel != nullptr) {  // from the label to the window's right edge, however long the version
      const QRect label(Find(shown, versionLabel)->mapTo(shown, QPoint()), Find(shown, versionLabel)->size());
      for (QImage* image : {&actual, &expected}) {
        QPainter(image).fillRect(label.adjusted(0, 0, shown->width(), 0), Qt::magenta);
      }
    }
    if (actual == expected) return;
    QImage difference = actual;
    for (int y = 0; y < std::min(actual.height(), expected.height()); ++y) {
      for (int x = 0; x < std::min(actual.width(), expected.width()); ++x) {
        difference.setPixel(x, y, actual.pixel(x, y) == expected.pixel(x, y) ? qRgb(255, 255, 255) : qRgb(255, 0, 0));
      }
    }
    actual.save(QStringLiteral("%1-actual.png").arg(name));
    difference.save(QStringLiteral("%1-difference.png").arg(name));
    ADD_FAILURE() << name << " differs from docs/screenshots/" << name << ".png: see " << name << "-actual.png and "
                  << name << "-difference.png in " << QDir::currentPath().toStdString();
  };
  Instance<frmSplash>().Show();
  expectPicture("splash", Instance<frmSplash>().Window(), "lblVersion");
  Instance<frmSplash>().Unload();
  QWidget* window = ShowCalculator();  // as after 0.2 gal/hr at 30 psi, 45 psi and Calculate
  Click("Option2");
  TypeInto("txtActual", "45");
  Find(window, "cmdCalculate")->setFocus(Qt::MouseFocusReason);
  Click("cmdCalculate");
  expectPicture("calculator", window);
  for (const char* menu : {"mnuFile", "mnuEdit", "mnuWeblinks", "mnuHelp"}) {
    auto* popup = Find<QMenu>(window, menu);
    popup->popup(window->mapToGlobal(QPoint()));
    expectPicture(menu, popup);
    popup->hide();
  }
  // Shown only when the menus do not fit; the program's style reads its icon.
  EXPECT_FALSE(Find<QToolButton>(window, "qt_menubar_ext_button")->icon().isNull());
  Instance<frmAbout>().Show();
  expectPicture("about", Instance<frmAbout>().Window(), "lblVersion");
  Entry(window, "mnuDetails")->trigger();
  expectPicture("details", QApplication::activeModalWidget());
  QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape);
  QApplication::setCursorFlashTime(flashTime);
}

TEST_F(Windows, EveryTextIsFullyVisible) {
  EXPECT_EQ(QFontInfo(DialogFont()).family(), QStringLiteral("Liberation Sans"))
      << "Arial's metric-compatible stand-in (fonts-liberation2)";
  for (QWidget* control : ShowAllWindows()) {
    const auto name = control->objectName().toStdString();
    if (auto* label = qobject_cast<QLabel*>(control); label != nullptr && label->wordWrap()) {
      EXPECT_LE(label->heightForWidth(label->contentsRect().width()), label->height()) << name;
    }
    if (qobject_cast<QLabel*>(control) != nullptr && !static_cast<QLabel*>(control)->wordWrap()) {
      EXPECT_LE(control->sizeHint().width(), control->width()) << name;
      EXPECT_LE(control->sizeHint().height(), control->height() + 1) << name;
    }
    if (qobject_cast<QAbstractButton*>(control) != nullptr) {
      EXPECT_LE(control->sizeHint().width(), control->width()) << name;
    }
    if (auto* frame = qobject_cast<QGroupBox*>(control)) {
      EXPECT_LE(frame->fontMetrics().horizontalAdvance(frame->title()) + 16, frame->width()) << name;
      EXPECT_GE(FrameOutline(frame).top(), frame->title().isEmpty() ? 0 : frame->fontMetrics().height())
          << name << ": the line runs through the title";
      // Drawn as lines (2.5 kB recorded), not from the style's bitmap (6.5 kB with its pixels).
      QPicture picture;
      frame->render(&picture, {}, {}, QWidget::DrawWindowBackground);
      EXPECT_LT(picture.size(), 4000u) << name << " is drawn from a bitmap";
    }
  }
  QLineEdit* result = Box("txtELRml");
  EXPECT_LE(result->fontMetrics().horizontalAdvance(QStringLiteral("-327.7906")) + 8, result->width());
}

// No control sets colours of its own, so every text stays readable in a dark
// platform palette.
TEST_F(Windows, EveryTextFollowsADarkPlatformPalette) {
  const QPalette before = QApplication::palette();
  const QPalette dark = DarkPalette();
  QApplication::setPalette(dark);
  for (QWidget* control : ShowAllWindows()) {
    for (auto role : {QPalette::Window, QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
      EXPECT_EQ(control->palette().color(role), dark.color(role)) << control->objectName().toStdString();
    }
  }
  QApplication::setPalette(before);
}

// Each option's circle stands out 3:1 from the window, light or dark, and
// only the selected one has a dot.
TEST_F(Windows, OptionCirclesAreSeenInAnyPalette) {
  const QPalette before = QApplication::palette();
  for (const QPalette& palette : {before, DarkPalette()}) {
    QApplication::setPalette(palette);
    for (auto* option : ShowCalculator()->findChildren<QRadioButton*>()) {
      QStyleOptionButton button;
      button.initFrom(option);
      const QRect circle = option->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &button, option);
      const QImage image = option->grab(circle).toImage();
      double edge = 0;
      for (int x = 0; x < image.width(); ++x)
        edge = std::max(edge, Contrast(image.pixelColor(x, image.height() / 2), palette.color(QPalette::Window)));
      EXPECT_GE(edge, 3) << option->objectName().toStdString();
      const QColor centre = image.pixelColor(image.width() / 2, image.height() / 2);
      EXPECT_EQ(Contrast(centre, palette.color(QPalette::Base)) >= 3, option->isChecked())
          << option->objectName().toStdString();
    }
    Instance<frmPipeline>().Unload();  // made again in the next palette
  }
  QApplication::setPalette(before);
}

// A result is read from its first digit, whatever its length, and its text
// stands out from the box in the default palette and in a dark one.
TEST_F(Windows, ResultsAreReadableWholeAndClear) {
  const QPalette before = QApplication::palette();
  auto expectReadable = [this] {
    for (const char* name : {"txtELRgal", "txtELRml"}) {
      const QImage image = Box(name)->grab().toImage();
      const QColor background = image.pixelColor(image.width() - 4, image.height() / 2);
      double best = 1;
      for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width() - 4; ++x) best = std::max(best, Contrast(image.pixelColor(x, y), background));
      }
      EXPECT_GE(best, 4.5) << name;
    }
  };
  ShowCalculator();  // the dark palette comes while it is shown, as when the desktop is switched to dark
  for (const QPalette& palette : {before, DarkPalette()}) {
    QApplication::setPalette(palette);
    // The change reaches the widgets through the event loop.
    EXPECT_TRUE(QTest::qWaitFor([&] {
      return Box("txtELRgal")->palette().color(QPalette::Disabled, QPalette::Text) == palette.color(QPalette::Text);
    }));
    if (!Box("txtELRgal")->text().isEmpty()) expectReadable();  // current results, before any other event
    Click("Option4");
    TypeInto("txtLR", "1234.5678");
    TypeInto("txtRef", "7");
    TypeInto("txtActual", "3000");
    Click("cmdCalculate");
    auto* ml = Find<ResultBox>(Instance<frmPipeline>().Window(), "txtELRml");
    ASSERT_EQ(ml->text(), QStringLiteral("1612282.6716"));
    EXPECT_EQ(ml->cursorPosition(), 0) << "the box shows the start of its text";
    // Cut, it shows its start and "…", drawn as the box draws a text that fits.
    const QString shown = FittingText(ml);
    EXPECT_TRUE(shown.endsWith(QChar(0x2026)) && ml->text().startsWith(shown.chopped(1))) << shown.toStdString();
    const QImage cut = ml->grab().toImage();
    ml->setText(shown);
    EXPECT_EQ(ml->grab().toImage(), cut);
    ml->setText(QStringLiteral("1612282.6716"));
    EXPECT_EQ(ml->toolTip(), ml->text());
    // Its tool tip reads even where the platform's tips are grey on white (Wine).
    const QPalette tips = QToolTip::palette();
    QPalette grey = tips;
    grey.setColor(QPalette::ToolTipText, QColor(0xa6, 0xa6, 0xa6));
    grey.setColor(QPalette::ToolTipBase, Qt::white);
    QToolTip::setPalette(grey);
    QHelpEvent hover(QEvent::ToolTip, ml->rect().center(), ml->mapToGlobal(ml->rect().center()));
    QApplication::sendEvent(ml, &hover);
    auto* tip = ml->findChild<QLabel*>(QStringLiteral("qtooltip_label"));
    ASSERT_NE(tip, nullptr) << "no tool tip";
    EXPECT_GE(Contrast(tip->palette().color(QPalette::ToolTipText), Qt::white), 4.5);
    QToolTip::hideText();
    QToolTip::setPalette(tips);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(ml)->text(QAccessible::Value), ml->text());
    expectReadable();
    // Right click, Copy: the whole result; once out of date, no Copy.
    for (const bool outOfDate : {false, true}) {
      if (outOfDate) TypeInto("txtActual", "300");
      QApplication::clipboard()->clear();
      QWidget* window = ml->window();  // through the window, as a real click comes
      QTest::mouseClick(window->windowHandle(), Qt::RightButton, {}, ml->mapTo(window, ml->rect().center()));
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      ASSERT_NE(menu, nullptr) << "no menu on a right click";
      QTest::keyClick(menu, Qt::Key_Down);
      QTest::keyClick(menu, Qt::Key_Return);
      menu->hide();
      EXPECT_EQ(QApplication::clipboard()->text(), outOfDate ? QString() : ml->text());
      // Edit > Copy Results by its key: both results, their units and what they belong to.
      QApplication::clipboard()->clear();
      QTest::keyClick(window, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
      EXPECT_EQ(QApplication::clipboard()->text(),
                outOfDate ? QString()
                          : QStringLiteral("%1 gal/h (%2 ml/min) at 3000 psi, for 1234.5678 gal/h at 7 psi")
                                .arg(Box("txtELRgal")->text(), ml->text()));
    }
    TypeInto("txtActual", "3000");  // current again
  }
  Instance<frmPipeline>().Unload();
  QApplication::setPalette(before);
}

// Enter presses only the focused button; a key with Alt or Ctrl held types nothing.
TEST_F(Windows, KeysInTheCalculatorWindow) {
  QWidget* window = ShowCalculator();
  QTest::keyClick(Box("txtActual"), Qt::Key_Return);
  QTest::keyClick(Box("txtActual"), Qt::Key_Escape);
  QTest::keyClick(window, Qt::Key_Escape);
  EXPECT_EQ(Results(), QStringLiteral(" "));
  EXPECT_TRUE(Instance<frmPipeline>().IsLoaded());
  EXPECT_TRUE(window->isVisible());
  QTest::keyClick(Box("txtActual"), Qt::Key_C, Qt::AltModifier);
  QTest::keyClick(Box("txtActual"), Qt::Key_X, Qt::ControlModifier | Qt::AltModifier);
  QTest::keyClick(Box("txtActual"), Qt::Key_5, Qt::ControlModifier | Qt::KeypadModifier);
  EXPECT_EQ(Box("txtActual")->text(), QStringLiteral("30"));
  // The keypad's decimal key is the point, whatever the layout gives it.
  Box("txtActual")->end(false);
  QTest::keyClick(Box("txtActual"), Qt::Key_Comma, Qt::KeypadModifier);
  QTest::keyClick(Box("txtActual"), Qt::Key_5, Qt::KeypadModifier);
  EXPECT_EQ(Box("txtActual")->text(), QStringLiteral("30.5"));
  QTest::keyClick(Box("txtActual"), Qt::Key_Backspace);
  QTest::keyClick(Box("txtActual"), Qt::Key_Backspace);
  QTest::keyClick(Box("txtActual"), Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(Box("txtActual")->selectedText(), QStringLiteral("30")) << "the box's own shortcuts still work";
  QTest::keyClick(Box("txtActual"), Qt::Key_Tab);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_EQ(Results(), QStringLiteral("5.196 327.7906"));
}

TEST_F(Windows, UnavailableMenuEntriesCannotBeChosen) {
  QWidget* window = ShowCalculator();
  QTest::keyClick(window, Qt::Key_W, Qt::AltModifier);
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << "Alt+W opened the Weblinks menu";
  auto* help = Find<QMenu>(window, "mnuHelp");
  QTest::keyClick(window, Qt::Key_H, Qt::AltModifier);
  ASSERT_TRUE(QTest::qWaitFor([&] { return help->isVisible(); }, 1000));
  QTest::keyClick(help, Qt::Key_R);  // Readme
  QTest::keyClick(help, Qt::Key_E);  // EPA Background Information
  EXPECT_TRUE(help->isVisible()) << "an unavailable entry was chosen";
  QTest::keyClick(help, Qt::Key_Escape);
  EXPECT_FALSE(Instance<frmAbout>().IsLoaded());
  // The About entry is reached with its access key.
  QTest::keyClick(window, Qt::Key_H, Qt::AltModifier);
  ASSERT_TRUE(QTest::qWaitFor([&] { return help->isVisible(); }, 1000));
  QTest::keyClick(help, Qt::Key_A);
  EXPECT_TRUE(QTest::qWaitFor([] { return Instance<frmAbout>().IsLoaded(); }, 1000));
}

// Even for a calculator dragged half off the screen at a corner.
TEST_F(Windows, AboutOpensWhollyOnTheScreenBesideACalculatorAtItsEdge) {
  QWidget* window = ShowCalculator();
  const QRect screen = window->screen()->availableGeometry();
  const QPoint half(window->width() / 2, window->height() / 2);
  for (const QPoint corner : {screen.topLeft() - half, screen.bottomRight() - half}) {
    window->move(corner);
    Entry(window, "mnuAbout")->trigger();
    const QRect about = Instance<frmAbout>().Window()->frameGeometry();
    EXPECT_TRUE(screen.contains(about)) << about.x() << "," << about.y();
    Instance<frmAbout>().Unload();
  }
}

// About is one modeless window however often it is chosen, the calculator
// usable beside it; it closes by OK, Enter, Esc and the close box, and comes
// back fresh.
TEST_F(Windows, AboutIsOneWindowThatClosesEveryWayAndComesBackFresh) {
  ShowCalculator();
  const std::function<void(QWidget*)> ways[] = {
      [](QWidget* about) { QTest::mouseClick(about->findChild<QPushButton*>("cmdOK"), Qt::LeftButton); },
      [](QWidget* about) { QTest::keyClick(about, Qt::Key_Return); },
      [](QWidget* about) { QTest::keyClick(about, Qt::Key_Escape); }, [](QWidget* about) { about->close(); }};
  for (const auto& close : ways) {
    Entry(Instance<frmPipeline>().Window(), "mnuAbout")->trigger();
    QWidget* about = Instance<frmAbout>().Window();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(Find<QLabel>(about, "lblVersion")->text(), kVersionCaption);
    Find<QLabel>(about, "lblVersion")->setText(QStringLiteral("stale"));
    Instance<frmPipeline>().Window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Instance<frmPipeline>().Window()));
    Entry(Instance<frmPipeline>().Window(), "mnuAbout")->trigger();
    EXPECT_EQ(Instance<frmAbout>().Window(), about);
    EXPECT_TRUE(QTest::qWaitForWindowActive(about)) << "chosen again, it comes forward";
    EXPECT_EQ(Find<QLabel>(about, "lblVersion")->text(), QStringLiteral("stale")) << "the load handler ran again";
    EXPECT_FALSE(about->isModal());
    Click("cmdCalculate");
    EXPECT_EQ(Results(), QStringLiteral("5.196 327.7906"));
    QApplication::setActiveWindow(about);
    close(about);
    EXPECT_FALSE(Instance<frmAbout>().IsLoaded());
    EXPECT_FALSE(about->isVisible());
  }
  EXPECT_TRUE(Instance<frmPipeline>().IsLoaded());
}

TEST_F(Windows, ExitWithAboutOpenEndsTheProcessOnlyWhenAboutCloses) {
  bool aboutStayed = false;
  QTimer::singleShot(0, [&] {
    QWidget* window = Instance<frmPipeline>().Window();
    Entry(window, "mnuAbout")->trigger();
    Entry(window, "mnuExit")->trigger();
    aboutStayed = !Instance<frmPipeline>().IsLoaded() && Instance<frmAbout>().IsLoaded();
    QTimer::singleShot(
        50, [] { QTest::mouseClick(Instance<frmAbout>().Window()->findChild<QPushButton*>("cmdOK"), Qt::LeftButton); });
  });
  EXPECT_EQ(RunLoop(Instance<frmPipeline>()), 0);
  EXPECT_TRUE(aboutStayed);
}

TEST_F(Windows, ClosingWithTextInAFocusedBoxIsQuiet) {
  const std::function<void(QWidget*)> routes[] = {
      [](QWidget* window) { Entry(window, "mnuExit")->trigger(); },
      [](QWidget* window) { window->close(); },  // the close box and Alt+F4
  };
  for (const auto& close : routes) {
    ShowCalculator();
    Click("Option4");
    TypeInto("txtLR", "3");
    close(Instance<frmPipeline>().Window());
    EXPECT_FALSE(Instance<frmPipeline>().IsLoaded());
    EXPECT_TRUE(reports.isEmpty()) << reports.join('\n').toStdString();
  }
}

TEST_F(Windows, ResultBoxesRefuseFocusAndEdits) {
  ShowCalculator();
  Click("cmdCalculate");
  for (const char* name : {"txtELRgal", "txtELRml"}) {
    QLineEdit* box = Box(name);
    box->setFocus();
    EXPECT_FALSE(box->hasFocus()) << name;
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::keyClicks(box, "99");
    EXPECT_FALSE(box->hasFocus()) << name;
  }
  EXPECT_EQ(Results(), QStringLiteral("5.196 327.7906"));
}

TEST_F(Windows, TabGoesByTabIndexWithTheOptionGroupAsOneStop) {
  ShowCalculator();
  auto order = [&] {
    QStringList names;
    Box("txtActual")->setFocus();
    for (int i = 0; i < 6; ++i) {
      names << QApplication::focusWidget()->objectName();
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    return names.join(' ');
  };
  EXPECT_EQ(order(), QStringLiteral("txtActual cmdCalculate Option1 txtActual cmdCalculate Option1"));
  Click("Option4");
  Click("Option2");
  EXPECT_EQ(order(), QStringLiteral("txtActual cmdCalculate txtLR txtRef Option2 txtActual"));
  TypeInto("txtRef", "20");  // selects the own pair
  EXPECT_EQ(order(), QStringLiteral("txtActual cmdCalculate txtLR txtRef Option4 txtActual"));
  auto* option3 = Find<QRadioButton>(Instance<frmPipeline>().Window(), "Option3");
  QTest::mousePress(option3, Qt::LeftButton);  // pressed, then let go beside it: focused, not chosen
  QTest::mouseRelease(option3, Qt::LeftButton, {}, QPoint(-5, -5));
  ASSERT_FALSE(option3->isChecked());
  EXPECT_EQ(order(), QStringLiteral("txtActual cmdCalculate txtLR txtRef Option4 txtActual"));
}

// After a report the focus is in the entry it names (for two pressures, the
// equivalent pressure), its text selected; the report draws every character
// in the message box's font.
TEST_F(Windows, AReportLeadsBackToTheEntryAtFault) {
  const struct {
    const char *lr, *ref, *actual, *entry;
  } rows[] = {{nullptr, nullptr, "abc", "txtActual"},
              {nullptr, nullptr, "45\n\n50\n\n", "txtActual"},
              {"x", "10", "30", "txtLR"},
              {"3", "0", "30", "txtRef"},
              {"3", "1e-320", "30", "txtActual"}};
  for (const auto& row : rows) {
    ShowCalculator();
    if (row.lr != nullptr) {
      Click("Option4");
      QCoreApplication::processEvents();  // the prompt's own claim of the focus
      TypeInto("txtLR", row.lr);
      TypeInto("txtRef", row.ref);
    }
    QApplication::clipboard()->setText(QString::fromUtf8(row.actual));  // pasted, as a spreadsheet column comes
    TypeInto("txtActual", "");
    QTest::keyClick(Box("txtActual"), Qt::Key_V, Qt::ControlModifier);
    Click("cmdCalculate");
    ASSERT_EQ(reports.size(), 1) << row.entry;
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == Box(row.entry); }, 1000))
        << reports[0].toStdString();
    EXPECT_EQ(Box(row.entry)->selectedText(), Box(row.entry)->text()) << row.entry;
    const QFontMetrics font(QApplication::font("QMessageBox"));
    for (const QChar c : reports[0]) {
      EXPECT_TRUE(c == '\n' || font.inFont(c))
          << "U+" << std::hex << int(c.unicode()) << " in " << reports[0].toStdString();
    }
    reports.clear();
    Instance<frmPipeline>().Unload();
  }
}

// However the own pair is chosen, and its prompt (the real box) answered with
// Enter, the next key typed lands in the leak-rate box, and the option group's
// Tab stop is the own pair's button. Shift+Tab reaches the group at its
// selected button.
TEST_F(Windows, TheOwnPairTakesTheNextKeyHoweverItIsChosen) {
  auto* option1 = Find<QRadioButton>(ShowCalculator(), "Option1");
  auto* option4 = Find<QRadioButton>(Instance<frmPipeline>().Window(), "Option4");
  QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(QApplication::focusWidget(), option1) << "Shift+Tab from the equivalent pressure";
  const std::function<void()> ways[] = {[&] { QTest::mouseClick(option4, Qt::LeftButton); },
                                        [&] {
                                          for (int i = 0; i < 3; ++i)
                                            QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Down);
                                        },
                                        [&] {
                                          option4->setFocus(Qt::BacktabFocusReason),
                                              QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Space);
                                        }};
  SetMessagePresenter(nullptr);
  int answered = 0;
  QTimer user;
  QObject::connect(&user, &QTimer::timeout, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      EXPECT_EQ(box->icon(), QMessageBox::NoIcon) << "a prompt, not a warning";
      EXPECT_EQ(box->parentWidget(), option4->window()) << "owned by the calculator, centred on it";
      QTest::keyClick(box, Qt::Key_Return);
      ++answered;
    }
  });
  user.start(10);
  for (const auto& choose : ways) {
    option1->click();
    option1->setFocus(Qt::TabFocusReason);
    choose();
    QApplication::setActiveWindow(option4->window());  // as the desktop does when the box goes
    QCoreApplication::processEvents();
    QTest::keyClicks(static_cast<QWidget*>(nullptr), QStringLiteral("7"));
    EXPECT_TRUE(option4->isChecked());
    EXPECT_EQ(Box("txtLR")->text(), QStringLiteral("7"));
    Box("txtLR")->clear();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), option4);
  }
  EXPECT_EQ(answered, 3);
}

TEST_F(Windows, TheLeakRateBoxKeepsWhatIsTypedUntilTheUserLeavesIt) {
  ShowCalculator();
  Click("Option4");
  // Kept as typed while typing; re-formatted, and shown from its start, once left.
  const struct {
    const char *keys, *afterLeaving;
  } rows[] = {{"12", "12.0"}, {"0.123456", "0.1235"}, {"abc", "abc"}, {"12345678.123456", "12345678.1235"}};
  for (const auto& row : rows) {
    TypeInto("txtLR", row.keys);
    EXPECT_EQ(Box("txtLR")->text(), QString::fromUtf8(row.keys));
    EXPECT_EQ(Module1::strLR, row.keys);
    Box("txtRef")->setFocus();
    EXPECT_EQ(Box("txtLR")->text(), QString::fromUtf8(row.afterLeaving)) << row.keys;
    EXPECT_EQ(Module1::strLR, row.afterLeaving) << row.keys;
    EXPECT_EQ(Box("txtLR")->cursorPosition(), 0) << row.keys;
  }
  TypeInto("txtLR", "2.5");
  QTest::keyClick(Box("txtLR"), Qt::Key_Backspace);
  EXPECT_EQ(Box("txtLR")->text(), QStringLiteral("2."));
  QTest::keyClick(Box("txtLR"), Qt::Key_Return);  // Enter also finishes the entry
  EXPECT_EQ(Box("txtLR")->text(), QStringLiteral("2.0"));
  TypeInto("txtRef", "15");
  Box("txtActual")->setFocus();
  EXPECT_EQ(Box("txtRef")->text(), QStringLiteral("15"));
  EXPECT_TRUE(reports.isEmpty());
}

// Leaving the window, the menu bar or a message box is no leaving of the box:
// "0.00" stays as typed, caret and all, and the next key makes "0.005".
TEST_F(Windows, WhatIsBeingTypedSurvivesAltAWindowSwitchAndAMenu) {
  QWidget* window = ShowCalculator();
  Click("Option4");
  QCoreApplication::processEvents();  // the own pair's focus, given once the click is handled
  const struct {
    const char* interruption;
    std::vector<QKeyCombination> keys;  // none: another window activated, then this one again
  } rows[] = {{"Alt tapped twice", {Qt::Key_Alt, Qt::Key_Alt}},
              {"Alt, then Esc", {Qt::Key_Alt, Qt::Key_Escape}},
              {"the File menu", {Qt::ALT | Qt::Key_F, Qt::Key_Escape, Qt::Key_Escape}},
              {"another window", {}}};
  for (const auto& row : rows) {
    TypeInto("txtLR", "0.00");
    for (const QKeyCombination key : row.keys) {
      QWidget* popup = QApplication::activePopupWidget();
      QTest::keyClick(popup != nullptr ? popup : QApplication::focusWidget(), key.key(), key.keyboardModifiers());
    }
    if (row.keys.empty()) {
      QWidget other;
      other.show();
      QApplication::setActiveWindow(&other);
      EXPECT_TRUE(QTest::qWaitForWindowActive(&other));
      QApplication::setActiveWindow(window);
      EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    }
    EXPECT_EQ(QApplication::focusWidget(), Box("txtLR")) << row.interruption;
    EXPECT_EQ(Box("txtLR")->cursorPosition(), 4) << row.interruption;
    QTest::keyClick(Box("txtLR"), Qt::Key_5);
    EXPECT_EQ(Box("txtLR")->text(), QStringLiteral("0.005")) << row.interruption;
  }
  QTest::keyClick(Box("txtLR"), Qt::Key_Tab);
  EXPECT_EQ(Box("txtLR")->text(), QStringLiteral("0.005"));
}

// Each pair chosen is the pair calculated with; typing into either box of the
// own pair after a fixed pair was chosen takes the own pair again.
TEST_F(Windows, EachChoiceOfPairIsThePairCalculated) {
  ShowCalculator();
  Click("Option4");
  TypeInto("txtLR", "2");
  TypeInto("txtRef", "20");
  const struct {
    const char *choose, *typeInto, *results;
  } rows[] = {{"Option3", nullptr, "0.082 5.1507"},   {"Option2", nullptr, "0.2 12.6167"},
              {"Option1", nullptr, "5.196 327.7906"}, {"Option4", nullptr, "2.449 154.522"},
              {"Option2", "txtLR", "2.449 154.522"},  {"Option3", "txtRef", "2.449 154.522"}};
  for (const auto& row : rows) {
    Click(row.choose);
    if (row.typeInto != nullptr) TypeInto(row.typeInto, row.typeInto == std::string("txtLR") ? "2" : "20");
    Click("cmdCalculate");
    EXPECT_EQ(Results(), QString::fromUtf8(row.results)) << row.choose << " " << (row.typeInto ? row.typeInto : "");
  }
}

TEST_F(Windows, SessionsThroughTheRealWindow) {
  ShowCalculator();
  Click("Option2");
  QApplication::clipboard()->setText(QStringLiteral("45\r\n"));  // a copied spreadsheet cell
  TypeInto("txtActual", "");
  QTest::keyClick(Box("txtActual"), Qt::Key_V, Qt::ControlModifier);
  Click("cmdCalculate");
  EXPECT_EQ(Results(), QStringLiteral("0.245 15.4522"));
  // Changed entries leave the results marked as out of date until Calculate succeeds again.
  auto outOfDate = [&] {
    const QString reason = Box("txtELRgal")->accessibleDescription();
    EXPECT_EQ(Box("txtELRml")->accessibleDescription(), reason);
    EXPECT_EQ(Box("txtELRml")->font().strikeOut(), !reason.isEmpty());
    EXPECT_TRUE(Box("txtELRml")->toolTip().contains(reason));
    for (const char* entry : {"mnuCopyResults", "mnuAddToRecord"}) {
      EXPECT_EQ(Entry(Instance<frmPipeline>().Window(), entry)->isEnabled(), reason.isEmpty()) << entry;
    }
    return reason;
  };
  EXPECT_EQ(outOfDate(), QString());
  TypeInto("txtActual", "50");
  EXPECT_EQ(
      outOfDate(),
      QStringLiteral("Out of date: calculated for 0.2 gal/h at 30 psi and 45 psi. Press Calculate Equivalent Rates."));
  TypeInto("txtActual", "abc");
  Click("cmdCalculate");
  EXPECT_EQ(Results(), QStringLiteral("0.245 15.4522"));
  EXPECT_NE(outOfDate(), QString()) << "after a failed calculation";
}

// A screen reader names every box and button, each differently.
TEST_F(Windows, EntriesAndButtonsAnnounceThemselves) {
  QStringList names;
  for (QWidget* control : ShowCalculator()->findChildren<QWidget*>()) {
    if (!control->isVisible() || (!qobject_cast<QLineEdit*>(control) && !qobject_cast<QAbstractButton*>(control)))
      continue;
    names << QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
    EXPECT_FALSE(names.back().isEmpty() || names.indexOf(names.back()) < names.size() - 1)
        << control->objectName().toStdString() << " is announced as \"" << names.back().toStdString() << '"';
  }
  EXPECT_EQ(names.size(), 10);
}

TEST_F(Windows, PrintWithNoPrinterIsReportedAndTheProgramGoesOn) {
  qputenv("CUPS_SERVER", "/nonexistent/cups.sock");
  QWidget* window = ShowCalculator();
  Entry(window, "mnuPrint")->trigger();
  qunsetenv("CUPS_SERVER");
  ASSERT_EQ(reports.size(), 1);
  EXPECT_TRUE(reports[0].startsWith(QStringLiteral("The page was not printed: no printer is available.")));
  EXPECT_TRUE(reports[0].endsWith(QStringLiteral("(Printing)")));
  EXPECT_TRUE(Instance<frmPipeline>().IsLoaded());
}

// The windows' show and hide events, in order: "frmSplash shown", ...
class WindowEvents : public QObject {
 public:
  WindowEvents() { QApplication::instance()->installEventFilter(this); }
  ~WindowEvents() override { QApplication::instance()->removeEventFilter(this); }
  QStringList seen;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const auto* window = qobject_cast<QWidget*>(watched);
    const bool shown = event->type() == QEvent::Show;
    if (window != nullptr && window->isWindow() && window->objectName().startsWith(QStringLiteral("frm")) &&
        (shown || event->type() == QEvent::Hide)) {
      seen << window->objectName() + (shown ? QStringLiteral(" shown") : QStringLiteral(" hidden"));
    }
    return false;
  }
};

// The whole start: the splash window, frameless and with the version, gives
// way at its single tick to the calculator window, which is shown after the
// splash window is gone.
TEST_F(Windows, TheSplashTickFiresOnceAndHandsOverToTheCalculator) {
  QTimer::singleShot(0, [&] {
    QWidget* splash = Instance<frmSplash>().Window();
    EXPECT_EQ(splash->windowFlags() & (Qt::WindowType_Mask | Qt::FramelessWindowHint),
              Qt::SplashScreen | Qt::FramelessWindowHint);  // no frame, no taskbar entry
    EXPECT_EQ(Find<QLabel>(splash, "lblVersion")->text(), kVersionCaption);
    auto* timer = splash->findChild<QTimer*>("Timer1");
    EXPECT_EQ(timer->timerType(), Qt::PreciseTimer) << "a coarse timer may fire 5% early";
    timer->setInterval(20);
  });
  const WindowEvents events;
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    if (!events.seen.contains(QStringLiteral("frmPipeline shown"))) return;
    watch.stop();
    EXPECT_FALSE(Instance<frmPipeline>().Window()->isModal());
    EXPECT_EQ(Instance<frmPipeline>().Window()->parentWidget(), nullptr) << "shown without an owner";
    // Time for a second tick, were there one, before the user leaves.
    QTimer::singleShot(200, [] { Entry(Instance<frmPipeline>().Window(), "mnuExit")->trigger(); });
  });
  watch.start(5);
  EXPECT_EQ(RunLoop(Instance<frmSplash>()), 0);
  EXPECT_EQ(events.seen.join(", "),
            QStringLiteral("frmSplash shown, frmSplash hidden, frmPipeline shown, frmPipeline hidden"));
}

TEST_F(Windows, ClosingTheSplashEarlyEndsTheProcessWithoutTheCalculator) {
  QTimer::singleShot(10, [] { Instance<frmSplash>().Window()->close(); });
  EXPECT_EQ(RunLoop(Instance<frmSplash>()), 0);
  EXPECT_FALSE(Instance<frmPipeline>().IsLoaded());
}

}  // namespace
}  // namespace varnock::ui
