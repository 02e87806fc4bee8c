// own
#include "framework/qt/cp1252.h"
#include "tests/support/qt_test_app.h"

// Qt
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QSet>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Types each character as a key press carrying it, as a keyboard layout with it would.
void Type(QLineEdit& edit, const QString& text) {
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, &edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

} // namespace

TEST(WidgetText, EveryByteRoundTripsThroughItsOwnCharacter) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    const QString text = FromCp1252(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(QSet<QChar>(text.begin(), text.end()).size(), 256) << "two bytes share a character";
    EXPECT_EQ(ToCp1252(text), all);
    EXPECT_EQ(text[0x80], QChar(0x20AC)); // euro sign
    EXPECT_EQ(text[0x81], QChar(0x0081)); // undefined byte keeps its own value
    EXPECT_EQ(text[0x9F], QChar(0x0178));
    EXPECT_EQ(text[0xE9], QChar(0x00E9));
}

TEST(WidgetText, RefusesACharacterWithoutASingleByteForm) {
    EXPECT_EQ(ToCp1252(QString::fromUtf8("Caf\u00e9 \u20ac5")), "Caf\xE9 \x80"
                                                                "5");
    EXPECT_EQ(ToCp1252(QString::fromUtf8("Zone \u03a9")), std::nullopt);
    EXPECT_EQ(ToCp1252(QString(QChar(0x0080))), std::nullopt); // the euro's byte, not its char
    EXPECT_EQ(ToCp1252(QString::fromUtf8("Lobby \U0001F4E2")), std::nullopt);
}

TEST(WidgetText, LineEditRefusesTypedOrPastedCharacterWithoutAByte) {
    QtTestApp();
    QLineEdit edit;
    CCp1252Validator validator;
    edit.setValidator(&validator);
    Type(edit, QString::fromUtf8("Caf\u00e9"));
    EXPECT_EQ(edit.text(), QString::fromUtf8("Caf\u00e9"));
    Type(edit, QString::fromUtf8("\u03a9"));
    EXPECT_EQ(edit.text(), QString::fromUtf8("Caf\u00e9"));
    QApplication::clipboard()->setText(QString::fromUtf8(" \u20ac \u2192"));
    edit.paste();
    EXPECT_EQ(edit.text(), QString::fromUtf8("Caf\u00e9")) << "the paste is refused whole";
    QApplication::clipboard()->setText(QString::fromUtf8(" \u20ac"));
    edit.paste();
    EXPECT_EQ(ToCp1252(edit.text()), "Caf\xE9 \x80");
}
