#pragma once
// The main window: naming inputs, the two result lists, toolbar, menu and status bar. It owns
// the main database connection and the workbench's two queries.
#include <QMainWindow>

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace Ui {
class DIzoDuzede;
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

    void XingExit();
    void GudingziExit();
    void CBFeeXXClick();
    void CBXingshiClick();
    void ZuidiFeeExit();
    void SorcssExit();

    void RzBitBtn3Click();
    void RzToolButton12Click();
    void N45Click();
    void QQ2Click();
    void N46Click();
    void N47Click();
    void N49Click();
    void N41Click();

    void openArticle(const char* key);
    void openOmen(const char* heading, int number);

    std::unique_ptr<Ui::DIzoDuzede> m_ui;
    std::shared_ptr<yav::db::Connection> m_connection; // ADOConnection1
    std::unique_ptr<yav::db::Query> ADOTem;
    std::unique_ptr<yav::db::Query> ADOFenxi;
    bool m_centred = false;

    int NameForm = 12;
    std::atomic<unsigned char> RunFlag{0};
};
