#include "sandbox/pages.h"

namespace vantorix::sandbox {

using namespace Qt::StringLiterals;

namespace {

QString head(const QString &title)
{
    return u"<!DOCTYPE html>\n<html>\n<head>\n"
           u"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gbk\">\n<title>"_s +
           title + u"</title>\n</head>\n<body>\n"_s;
}

QString baiduHeading(HotList list)
{
    switch (list) {
    case HotList::BaiduToday:
        return u"今日热点"_s;
    case HotList::BaiduWeek:
        return u"七日关注"_s;
    case HotList::BaiduNew:
        return u"最近火热新词"_s;
    default:
        return u"上月火热新词"_s;
    }
}

// Ranking table in the anchor layout: each word is the text of an anchor
// whose quoted href is followed by target="_blank". The other links of a row
// name their target first, so they are no words.
QString baiduPage(HotList list, const QStringList &words)
{
    const bool today = list == HotList::BaiduToday;
    QString html = head(baiduHeading(list) + u"_百度搜索风云榜"_s);
    html += u"<div id=\"nav\"><a href=\"/buzz/top10.html\" target=\"_blank\">实时热点</a> | "
            u"<a href=\"/buzz/weekhotspot.html\" target=\"_blank\">七日关注</a> | "
            u"<a href=\"/buzz/shijian.html\" target=\"_blank\">热门事件</a></div>\n"_s;
    html += u"<div class=\"mainBody\"><h2>"_s + baiduHeading(list) +
            u"</h2>\n<div class=\"tip\">"_s +
            (today ? u"最近24小时搜索量"_s : u"最近七日搜索量"_s) + u"排行</div>\n"_s;
    html += u"<table class=\"list-table\">\n<tr><th class=\"first\">排名</th><th>关键词</th>"
            u"<th>相关链接</th><th class=\"last\">搜索指数</th></tr>\n"_s;
    for (int i = 0; i < words.size(); ++i) {
        const QString query = encodedQuery(words.at(i));
        html += u"<tr><td class=\"first\"><span class=\"num-top\">"_s + QString::number(i + 1) +
                u"</span></td><td class=\"keyword\"><a class=\"list-title\" href=\"/s?wd="_s +
                query + u"&rsv_dl=fyb_top\" target=\"_blank\">"_s + words.at(i) +
                u"</a></td><td class=\"tc\"><a target=\"_blank\" href=\"/s?wd="_s + query +
                u"&tn=news\">新闻</a> <a target=\"_blank\" href=\"/s?wd="_s + query +
                u"&tn=video\">视频</a></td><td class=\"last\"><span>"_s +
                QString::number(500000 - i * 12345) + u"</span></td></tr>\n"_s;
    }
    html += u"</table>\n</div>\n<table class=\"footer\"><tr><td>"
            u"<a href=\"/buzz/help.html\" target=\"_blank\">榜单说明</a></td></tr></table>\n"_s;
    return html + u"<div id=\"ft\">&copy;2026 Baidu</div>\n</body>\n</html>\n"_s;
}

// Ranking in the cell layout: a word is the text of a cell's link to the
// Sogou web search. Cells linking elsewhere and links outside cells are no
// words. "今日搜索" must stand once only: the section starts after it.
QString sogouPage(HotList list, const QStringList &words, const QString &searchHost)
{
    const bool today = list == HotList::SogouToday;
    QString html = head(today ? u"搜狗搜索风云榜 - 实时热词"_s : u"搜狗搜索风云榜 - 七日热词"_s);
    html += u"<div class=\"top\"><ul><li><a href=\"/000002.html\">今日搜索</a></li>"
            u"<li><a href=\"/000001.html\">七日搜索</a></li></ul></div>\n"_s;
    html += u"<div class=\"hot\"><a href=\"http://"_s + searchHost + u"/web?query="_s +
            encodedQuery(words.value(0)) + u"\">"_s + words.value(0) + u"</a></div>\n"_s;
    html += u"<table class=\"ranking\">\n<tr><th>排名</th><th>关键词</th><th>趋势</th></tr>\n"_s;
    for (int i = 0; i < words.size(); ++i) {
        html += u"<tr><td>"_s + QString::number(i + 1) + u"</td><td><a href=\"http://"_s +
                searchHost + u"/web?query="_s + encodedQuery(words.at(i)) +
                u"&ie=gbk&_asf=top.sogou.com\">"_s + words.at(i) +
                u"</a></td><td><a href=\"http://pic.sogou.example/pics?query="_s +
                encodedQuery(words.at(i)) + u"\">图片</a></td></tr>\n"_s;
    }
    html += u"</table>\n<div class=\"ft\">&copy; 2026 SOGOU.COM</div>\n"_s;
    return html + u"</body>\n</HTML>\n"_s;
}

} // namespace

QString hotListPage(HotList list, const QStringList &words, const QString &sogouSearchHost)
{
    return isSogouList(list) ? sogouPage(list, words, sogouSearchHost) : baiduPage(list, words);
}

} // namespace vantorix::sandbox
