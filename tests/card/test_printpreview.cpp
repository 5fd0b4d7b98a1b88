#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "card/cardpage.h"
#include "card/paintersurface.h"
#include "card/printpreviewform.h"
#include "fakedialogs.h"

using namespace Qt::StringLiterals;

namespace {

TOrder SampleOrder() {
    TOrder order;
    order.number = 4711;
    order.date = u"05.03.2024"_s;
    order.customer.org_name = u"ООО «Тепло»"_s;
    order.customer.contact_name = u"Иванов Иван"_s;
    order.extras.system_counts[0] = 1;
    TSystemParams& s = order.systems[0];
    s.filled = s.one_channel = s.t_2_without_d_r = true;
    s.diam_t_1 = 50;
    s.diap_1 = u"Д2   0.12  -  36"_s;
    s.length_term = u"80"_s;
    return order;
}

QString Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        return u"<%1 failed>"_s.arg(program);
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The print dialog's answer: print into a PDF file, as "Print to File (PDF)" does.
FakeDialogs::Answer PrintToPdf(const QString& path) {
    return [path](QDialog& dialog) {
        auto* print = qobject_cast<QPrintDialog*>(&dialog);
        if (print == nullptr) {
            return int(QDialog::Rejected);
        }
        print->printer()->setOutputFormat(QPrinter::PdfFormat);
        print->printer()->setOutputFileName(path);
        return int(QDialog::Accepted);
    };
}

// The preview's answer: press "Печать" as many times as asked, then close.
FakeDialogs::Answer ClickPrint(int times) {
    return [times](QDialog& dialog) {
        auto& form = dynamic_cast<TPrintPreviewForm&>(dialog);
        for (int i = 0; i < times; ++i) {
            QTest::mouseClick(form.PrintButton, Qt::LeftButton);
        }
        QTest::mouseClick(form.ExitButton, Qt::LeftButton);
        return form.result();
    };
}

}  // namespace

class TestPrintPreview : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void printFactors_data() {
        QTest::addColumn<QSize>("page");
        QTest::addColumn<float>("screenScale");
        QTest::addColumn<int>("kx");
        QTest::addColumn<int>("ky");
        QTest::newRow("96 dpi") << QSize(4760, 6814) << 1.f << 6 << 6;
        QTest::newRow("120 dpi") << QSize(4760, 6814) << 1.25f << 5 << 5;
        QTest::newRow("page smaller than the image") << QSize(600, 1000) << 1.f << 0 << 0;
    }
    void printFactors() {
        QFETCH(QSize, page);
        QFETCH(float, screenScale);
        QFETCH(int, kx);
        QFETCH(int, ky);
        const CardPrintFactors factors = ComputePrintFactors(page, PreviewImageSize(screenScale));
        QCOMPARE(factors.kx, kx);
        QCOMPARE(factors.ky, ky);
    }

    void previewImageSize() {
        QCOMPARE(PreviewImageSize(1.f), QSize(1057, 710));
        QCOMPARE(PreviewImageSize(1.25f), QSize(1321, 887));
        QCOMPARE(PreviewImageSize(1.5f), QSize(1585, 1065));
    }

    // The point given is the top-left corner of the text cell, and points follow the image's dpi.
    void painterSurfacePlacesTextByItsCell() {
        QImage image(200, 100, QImage::Format_RGB32);
        image.fill(Qt::white);
        image.setDotsPerMeterX(3780);  // 96 dpi
        image.setDotsPerMeterY(3780);
        QPainter painter(&image);
        PainterSurface surface(painter);
        surface.SetFont(u"Times New Roman"_s, 214, 14);
        surface.SetPenColor(Qt::black);
        const int width = surface.TextWidth(u"ЖЖЖ"_s);
        surface.TextOut(20, 30, u"ЖЖЖ"_s);
        const QString family = QFontInfo(painter.font()).family();
        painter.end();

        QRect ink;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (qGray(image.pixel(x, y)) < 128) {
                    ink |= QRect(x, y, 1, 1);
                }
            }
        }
        QVERIFY(!ink.isEmpty());
        QVERIFY2(ink.top() > 30 && ink.top() < 30 + 8, qPrintable(QString::number(ink.top())));
        QVERIFY(ink.left() >= 20 && ink.left() < 24);
        QVERIFY(ink.right() <= 20 + width);
        // 14 points at 96 dpi are 18.7 pixels: a capital Ж is about two thirds of that.
        QVERIFY2(ink.height() >= 11 && ink.height() <= 15, qPrintable(QString::number(ink.height())));
        // Where Times New Roman itself is missing, its metric twin stands in.
        QVERIFY2(family == u"Times New Roman"_s || family == u"Liberation Serif"_s, qPrintable(family));
    }

    void opener_data() {
        QTest::addColumn<bool>("printAllowed");
        QTest::addColumn<float>("screenScale");
        QTest::addColumn<QSize>("imageSize");
        QTest::newRow("complete order") << true << 1.f << QSize(1057, 710);
        QTest::newRow("draft at 120 dpi") << false << 1.25f << QSize(1321, 887);
    }
    void opener() {
        QFETCH(bool, printAllowed);
        QFETCH(float, screenScale);
        QFETCH(QSize, imageSize);
        const TOrder order = SampleOrder();
        FakeDialogs dialogs;
        bool seen = false;
        dialogs.Queue([&](QDialog& dialog) {
            seen = true;
            auto* form = qobject_cast<TPrintPreviewForm*>(&dialog);
            [&] {
                QVERIFY(form != nullptr);
                QVERIFY(form->isMaximized());
                QCOMPARE(form->palette().color(QPalette::Window), QColor(211, 213, 220));
                QCOMPARE(form->PrintButton->text(), u"Печать"_s);
                QCOMPARE(form->ExitButton->text(), u"Выход"_s);
                QCOMPARE(form->PrintButton->isEnabled(), printAllowed);
                QCOMPARE(form->CardImage().size(), imageSize);
                QCOMPARE(form->Image1->pixmap().size(), imageSize);
                // Something was drawn: the card's frame lines are black.
                QCOMPARE(form->CardImage().pixelColor(int(600 * screenScale), int(180 * screenScale)),
                         QColor(Qt::black));
            }();
            QTest::mouseClick(form->ExitButton, Qt::LeftButton);
            return form->result();
        });
        ShowOrderPreview(dialogs, nullptr, order, printAllowed, screenScale);
        QVERIFY(seen);
        QCOMPARE(dialogs.shown.size(), 1);
        QCOMPARE(dialogs.shown[0].objectName, u"PrintPreviewForm"_s);
        QCOMPARE(dialogs.shown[0].title, u"Предварительный просмотр карты заказа."_s);
    }

    void printsOneLandscapePage() {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(u"card.pdf"_s);
        const TOrder order = SampleOrder();
        FakeDialogs dialogs;
        dialogs.Queue(ClickPrint(1));
        dialogs.Queue(PrintToPdf(pdf));
        ShowOrderPreview(dialogs, nullptr, order, true, 1.f);

        QCOMPARE(dialogs.shown.size(), 2);
        QCOMPARE(dialogs.shown[1].className, u"QPrintDialog"_s);
        const QString info = Run(u"pdfinfo"_s, {pdf});
        QVERIFY2(info.contains(QRegularExpression(u"Pages:\\s+1\\n"_s)), qPrintable(info));
        const QRegularExpressionMatch size =
            QRegularExpression(u"Page size:\\s+([\\d.]+) x ([\\d.]+)"_s).match(info);
        QVERIFY(size.hasMatch());
        QVERIFY2(size.captured(1).toDouble() > size.captured(2).toDouble(), qPrintable(info));
        const QString text = Run(u"pdftotext"_s, {pdf, u"-"_s});
        QVERIFY2(text.contains(u"Заказ №"_s), qPrintable(text));
        QVERIFY(text.contains(u"4711"_s));
        QVERIFY(text.contains(u"ООО «Тепло»"_s));
    }

    // A second print in the same run must not measure the page the first one left in landscape.
    void secondPrintIsTheSame() {
        QTemporaryDir dir;
        const QString first = dir.filePath(u"first.pdf"_s);
        const QString second = dir.filePath(u"second.pdf"_s);
        const TOrder order = SampleOrder();
        FakeDialogs dialogs;
        dialogs.Queue(ClickPrint(2));
        dialogs.Queue(PrintToPdf(first));
        dialogs.Queue(PrintToPdf(second));
        ShowOrderPreview(dialogs, nullptr, order, true, 1.f);

        // The head carries the creation time, which may differ between the two jobs.
        const auto boxes = [](const QString& pdf) {
            const QString html = Run(u"pdftotext"_s, {u"-bbox"_s, pdf, u"-"_s});
            return html.mid(html.indexOf(u"<body>"_s));
        };
        const QString firstBoxes = boxes(first);
        const QString secondBoxes = boxes(second);
        QVERIFY(firstBoxes.contains(u"4711"_s));
        QCOMPARE(secondBoxes, firstBoxes);
    }

    void cancelledPrintDialogPrintsNothing() {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(u"card.pdf"_s);
        const TOrder order = SampleOrder();
        FakeDialogs dialogs;
        dialogs.Queue(ClickPrint(1));
        dialogs.Queue([pdf](QDialog& dialog) {
            auto* print = qobject_cast<QPrintDialog*>(&dialog);
            print->printer()->setOutputFormat(QPrinter::PdfFormat);
            print->printer()->setOutputFileName(pdf);
            return int(QDialog::Rejected);
        });
        ShowOrderPreview(dialogs, nullptr, order, true, 1.f);
        QCOMPARE(dialogs.shown.size(), 2);
        QVERIFY(!QFile::exists(pdf));
    }
};

QTEST_MAIN(TestPrintPreview)
#include "test_printpreview.moc"
