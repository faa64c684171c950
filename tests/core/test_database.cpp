#include "core/database.h"
#include "core/datafiles.h"
#include "support/testenv.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace yav;

namespace {
std::string fixture() { return test::fixtureDir() + "/YavCode.dll"; }
} // namespace

TEST(Database, QuoteDoublesInnerQuotes)
{
    EXPECT_EQ(db::quote("王"), "'王'");
    EXPECT_EQ(db::quote("a'b''"), "'a''b'''''");
}

TEST(Database, QueryWalksItsRows)
{
    db::Query q(fixture());
    q.setSql("select zi, bh, px * 1.5 as r from word where id <= 3 order by id");
    q.open();
    ASSERT_TRUE(q.isOpen());
    EXPECT_FALSE(q.isEmpty());
    EXPECT_EQ(q.recordCount(), 3);
    EXPECT_EQ(q.text(0), "王");
    EXPECT_EQ(q.integer("BH"), 4); // names are matched without regard to case
    q.next();
    EXPECT_EQ(q.text("zi"), "国");
    EXPECT_EQ(q.text("bh"), "11");
    EXPECT_DOUBLE_EQ(q.real("r"), 30.0);
    q.moveTo(3);
    EXPECT_EQ(q.text(0), "安");
    q.next();
    EXPECT_TRUE(q.eof());
    EXPECT_THROW(q.text(0), db::Error);
    q.first();
    EXPECT_EQ(q.position(), 1);
    EXPECT_THROW(q.moveTo(4), db::Error);
    EXPECT_THROW(q.text("nope"), db::Error);
    q.close();
    EXPECT_TRUE(q.isEmpty());
}

TEST(Database, NullsAndParameters)
{
    db::Query q(fixture());
    q.setSql("select wuhang, null as n from word where zi = ?");
    q.addParam(std::string("丫"));
    q.open();
    ASSERT_EQ(q.recordCount(), 1);
    EXPECT_EQ(q.text(0), "");
    EXPECT_TRUE(q.isNull(1));
    EXPECT_EQ(q.integer(1), 0);
}

TEST(Database, ErrorsCarryTheEngineText)
{
    db::Query bad(fixture());
    bad.setSql("select zi from nowhere");
    try {
        bad.open();
        FAIL();
    } catch (const db::Error& e) {
        EXPECT_NE(std::string(e.what()).find("nowhere"), std::string::npos);
    }
    EXPECT_THROW(db::Connection("/nonexistent/YavCode.dll"), db::Error);

    // A file that is no database fails at once, and the file is left as it was.
    auto path = std::filesystem::temp_directory_path() / "yav_not_a_db.dll";
    std::ofstream(path) << "plain text, not a database";
    EXPECT_THROW(db::Connection(path.string()), db::Error);
    std::ifstream in(path);
    std::string content((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(content, "plain text, not a database");
    std::filesystem::remove(path);
}

TEST(Database, FilesAreReadOnly)
{
    db::Connection conn(fixture());
    db::Query q(std::make_shared<db::Connection>(fixture()));
    q.setSql("delete from word");
    EXPECT_THROW(q.open(), db::Error);
}

TEST(Database, ConnectionTextsNameTheFiveFiles)
{
    setDataFolder("/data/here");
    EXPECT_EQ(ConnStrCode(), "/data/here/YavCode.dll");
    EXPECT_EQ(ConnStrDream(), "/data/here/dream.dll");
    EXPECT_EQ(ConnStrFile(), "/data/here/QorFile.dll");
    EXPECT_EQ(ConnStrBirth(), "/data/here/QorBirth.dll");
    EXPECT_EQ(ConnStrTgcode(), "/data/here/Tgcode.dll");
    setDataFolder("");
    EXPECT_EQ(dataFolder(), programFolder());
    EXPECT_EQ(programFolder().back(), '/');
}
