#include "sandbox/pages.h"

namespace vantorix::sandbox {

using namespace Qt::StringLiterals;

namespace {

QString simplePage(const QString &title, const QString &body)
{
    return u"<!DOCTYPE html>\n<html>\n<head>\n"
           u"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gbk\">\n<title>"_s +
           title + u"</title>\n</head>\n<body>\n"_s + body + u"\n</body>\n</html>\n"_s;
}

} // namespace

QString markerPage()
{
    // The blocks sit in a comment so that the body's HTML keeps them verbatim;
    // an older version's block comes first.
    return simplePage(
        u"Vantorix 长尾关键词挖掘工具 - 公告"_s,
        u"<!-- [[v3.2--<div id=\"rs_old\">--</table>]] -->\n"
        u"<!-- [[v3.3--"_s +
            kSeedBlockStart + u"--"_s + kSeedBlockEnd +
            u"]] -->\n"
            u"<div class=\"notice\"><h3>公告</h3><p>v3.3 已发布：挖掘更稳定。</p>"
            u"<p><a href=\"/?bb=v3.3\" target=\"_blank\">访问官方网站</a></p></div>"_s);
}

QString homePage()
{
    return simplePage(u"Vantorix 官方网站"_s,
                      u"<h1>Vantorix</h1><p>长尾关键词挖掘工具，当前版本 v3.3。</p>"
                      u"<p><a href=\"/banben.htm?bb=v3.3\">更新公告</a></p>"_s);
}

QString notFoundPage(const QString &path)
{
    return simplePage(u"404 Not Found"_s,
                      u"<h1>404 Not Found</h1><p>"_s + path.toHtmlEscaped() + u"</p>"_s);
}

QString serverErrorPage()
{
    return simplePage(u"500 Internal Server Error"_s, u"<h1>服务器错误</h1>"_s);
}

} // namespace vantorix::sandbox
