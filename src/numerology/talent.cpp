#include "numerology/talent.h"

#include "core/database.h"
#include "core/datafiles.h"
#include "core/gbk.h"

namespace yav {

double TalentGradePoints(long long grade)
{
    static constexpr double points[7] = {20, 18, 16, 15, 14, 13, 12};
    return grade >= 1 && grade <= 7 ? points[grade - 1] : -1;
}

double TalentScore(std::string_view title)
{
    db::Query q(ConnStrFile());
    q.setSql("Select djc from sancai where title = " + db::quote(title) + " ");
    q.open();
    if (q.isEmpty())
        return -1;
    q.first();
    return TalentGradePoints(q.integer(0));
}

std::vector<std::string> TalentSection(std::string_view title)
{
    db::Query q(ConnStrFile());
    q.setSql("Select * from sancai2009 where title = " + db::quote(title) + " limit 1");
    q.open();
    if (q.isEmpty())
        return {};
    q.first();
    auto field = [&q](const char* name) { return gbk::trim(q.text(name)); };
    const std::string t(title);
    return {
        std::string(ReportSeparator),
        "【三才数理分析】：您的姓名三才配置为：" + t + "。它具有如下数理诱导力，据此会对人生产生一定的影响。",
        field("yy"),
        "【对基础运的影响】：" + field("jcy") + field("jx1"),
        "【对成功运的影响】：" + field("cgy") + field("jx2"),
        "【对人际关系的影响】：" + field("rjgx") + field("jx3"),
        "【对性格的影响】：" + field("xg"),
    };
}

} // namespace yav
