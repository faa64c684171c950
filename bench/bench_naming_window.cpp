// The naming run as the main window shows it: from the click on "开始取名" to the first names on
// screen and to the last row of the full list. Run it under a display (or Xvfb); it uses the
// database files beside it unless a folder is given:
//   bench_naming_window [DATA_DIR]
#include "core/database.h"
#include "core/datafiles.h"
#include "naming/VevizeMain.h"
#include "naming/namerun.h"
#include "naming/plans.h"
#include "ui_VevizeMain.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPushButton>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>

#include <cstdio>

using namespace yav;

namespace {

struct Case {
    const char* what;
    const char* family;
    int sex;        // index of CBsex
    int element;    // index of the element box to check, -1 for none
    const char* fixed;
};

// Rows of the full list the run will give and the statement's time, from the core (the window's
// own worker runs the same).
std::pair<int, double> expected(const Case& c)
{
    naming::NamingInput in;
    in.family = c.family;
    in.male = c.sex == 0;
    if (c.element >= 0)
        in.elements[static_cast<std::size_t>(c.element)] = true;
    if (*c.fixed) {
        in.fixedOn = true;
        in.fixedChar = c.fixed;
    }
    auto conn = std::make_shared<db::Connection>(ConnStrCode());
    db::Query q(conn);
    const auto plans = naming::fillCodeList(q, in);
    in.plans.assign(plans.entries.begin() + 1, plans.entries.end());
    std::atomic<unsigned char> flag{1};
    std::size_t names = 0;
    const auto outcome = naming::makeNames(conn, in, flag, [&](std::vector<std::string>&& l) { names += l.size(); });
    return {static_cast<int>((names + naming::NamesPerRow - 1) / naming::NamesPerRow), outcome.statementSeconds * 1000};
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc > 1)
        setDataFolder(argv[1]);
    DIzoDuzede::setExitHook([](int) {});
    const Case cases[] = {
        {"王 双字名 男, all plans", "王", 0, -1, ""},
        {"王 双字名 男, 木", "王", 0, 1, ""},
        {"欧阳 双字名 女", "欧阳", 1, -1, ""},
        {"王 fixed second 明", "王", 0, -1, "明"},
        {"李 双字名 男, all plans", "李", 0, -1, ""},
    };
    std::printf("%-30s %6s %8s %9s %9s %8s\n", "case", "rows", "stmt ms", "first ms", "last ms", "high");
    for (const Case& c : cases) {
        const auto [rows, statement] = expected(c);
        DIzoDuzede window;
        auto& u = *window.ui();
        window.show();
        u.Xing->setText(QString::fromUtf8(c.family));
        u.CBsex->setCurrentIndex(c.sex);
        if (c.element == 1)
            u.CBMu->setChecked(true);
        if (*c.fixed) {
            u.CBzhishukongz->setChecked(true);
            u.Gudingzi->setText(QString::fromUtf8(c.fixed));
        }
        u.CBFeeXX->click(); // rebuilds the plan list
        u.CBFeeXX->click();
        QCoreApplication::processEvents();

        QElapsedTimer clock;
        qint64 first = -1, last = -1;
        QObject::connect(u.MemoSuccess->document(), &QTextDocument::contentsChanged, &window, [&] {
            if (first < 0 && !u.MemoSuccess->document()->isEmpty())
                first = clock.elapsed();
            if (last < 0 && !u.MemoSuccess->document()->isEmpty() && u.MemoSuccess->document()->blockCount() == rows)
                last = clock.elapsed();
        });
        clock.start();
        u.RzBitBtn1->click();
        while (last < 0 && clock.elapsed() < 120000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        std::printf("%-30s %6d %8.1f %9lld %9lld %8d\n", c.what, rows, statement, static_cast<long long>(first),
                    static_cast<long long>(last), u.ListBox1->count());
        std::fflush(stdout);
    }
    std::printf("rows: rows of the full list; stmt: the run's statement alone (core); first: from the click on "
                "开始取名 to the first names in the list; last: to its last row; high: names in the high-score list.\n");
    return 0;
}
