#pragma once
// The main window: naming inputs, the two result lists, toolbar, menu and status bar. It owns
// the main database connection and the workbench's two queries.
#include "naming/resultlist.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QStringList>

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace Ui {
class DIzoDuzede;
}
class QPrinter;
class TMythread;
namespace yav::naming {
struct NamingInput;
}
namespace yav::db {
class Connection;
class Query;
} // namespace yav::db

class DIzoDuzede : public QMainWindow {
    Q_OBJECT
public:
    explicit DIzoDuzede(QWidget* parent = nullptr);
    ~DIzoDuzede() override;

    // Character lookups on the window's query (see naming/lookups.h).
    int GetStrokes(const std::string& ch);
    std::string GetWuhang(const std::string& ch);

    // Ends the program: closes the queries and the connection, removes the stale lock file and
    // ends the process at once. Tests replace the last step.
    void ShutDownApp();
    static void setExitHook(std::function<void(int)> hook);

    // One entry of the toolbar or the main menu.
    struct Route {
        const char* name;
        const char* caption;
        void (DIzoDuzede::*handler)() = nullptr; // work of this window, or the opening of a tool window
        const char* article = nullptr;           // key of an article for the article window
        const char* omenHeading = nullptr;       // heading and number of an omen table
        int omen = -1;
    };
    void route(const Route& r);
    struct Menu {
        const char* name;
        const char* caption;
        std::vector<Route> items; // caption "-" is a separator
    };
    // The routing tables: every toolbar button and menu item, in order.
    static const std::vector<Route>& toolbarRoutes();
    static const std::vector<Menu>& menus();

    Ui::DIzoDuzede* ui() const { return m_ui.get(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    void buildToolbar();
    void buildMenu();
    void buildStatusBar();
    void wireHandlers();

    void refill();
    void FillCodeList(const std::string& family);
    // The naming inputs as the controls show them now.
    yav::naming::NamingInput namingInput() const;

    void XingExit();
    void GudingziExit();
    void CBFeeXXClick();
    void CBXingshiClick();
    void ZuidiFeeExit();
    void SorcssExit();

    void RzBitBtn1Click();
    void RzBitBtn2Click();
    void stopRun();
    void OutputName(const QStringList& lines);
    void runEnded(int rows, const QString& error);
    void appendFullRows(const QStringList& rows);
    void flushHighNames();
    void Button4Click();
    void N2Click();
    void N4Click();
    void N5Click();

    void RzBitBtn3Click();
    void RzToolButton12Click();
    void N45Click();
    void QQ2Click();
    void N46Click();
    void N47Click();
    void N49Click();
    void N41Click();
    void ListBox1DblClick();
    void RzToolButton3Click();
    void showAnalysis(const QString& given);

    void openArticle(const char* key);
    void openOmen(const char* heading, int number);

    std::unique_ptr<Ui::DIzoDuzede> m_ui;
    std::shared_ptr<yav::db::Connection> m_connection; // ADOConnection1
    std::unique_ptr<yav::db::Query> ADOTem;
    std::unique_ptr<yav::db::Query> ADOFenxi;
    bool m_centred = false;

    int NameForm = 12;
    std::atomic<unsigned char> RunFlag{0};
    std::unique_ptr<TMythread> m_thread; // the worker of the latest run, kept until the next start
    quint64 m_runId = 0;                 // names of earlier runs still on their way are dropped
    yav::naming::ResultList m_rows;      // RowText and RowCount of the full list
    QStringList m_pendingHigh;           // high-score names not yet in the list
    QElapsedTimer m_listLayout;          // since they were last added
    QString m_saveName;                  // what the save dialog held after the last save
    std::unique_ptr<QPrinter> m_printer; // print settings of the full list
};
