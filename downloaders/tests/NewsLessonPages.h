// Pages of a day's news lessons as the broadcaster's sites lay them out, for tests that
// serve them from a local server: the SNS English lesson of Monday 2 August 2021 and the
// English e-news lesson of Thursday 1 April 2010.
#pragma once

#include "testsupport/LocalHttpServer.h"

inline const char kSnsSummaryPage[] =
    "<html><body>\n"
    "<div class=\"sdate\">2021年8月2日</div>\n"
    "<h1 class=\"title-en\">Tokyo &amp; <em>Games</em></h1>\n"
    "<h2 class=\"title-jp\">東京大会</h2>\n"
    "<div id=\"summary\"><p>First line<br />second &amp; line</p></div><!-- /#summary -->\n"
    "<span data-word=\"athlete\" data-jp=\"選手\" data-type=\"名\">athlete</span>\n"
    "<span data-word=\"medal\" data-jp=\"メダル\" data-type=\"名\">medal</span>\n"
    "<span data-word=\"athlete\" data-jp=\"選手\" data-type=\"名\">athlete</span>\n"
    "</body></html>\n";

inline const char kSnsSentencePage[] =
    "<div class=\"sentence\">\n"
    "  The Games opened<br /> on Friday.\n"
    "<script>getAudio('a1');</script></div>\n"
    "<div class=\"sentence-jp\">大会が金曜日に開幕しました。</div>\n"
    "<p class=\"explain\">open: 開幕する</p>\n"
    "<div class=\"sentence\">Athletes &amp; fans cheered.<script>getAudio('a2');</script></div>\n"
    "<div class=\"sentence-jp\">選手と\n"
    "ファンが喜んだ。</div>\n"
    "<p class=\"explain\">cheer: 喝采する<br />cheered</p>\n";

inline const char kSnsKeywordPage[] =
    "<div class=\"sentence-block\">\n"
    "\t<div class=\"sentence\">\n"
    "\t\tkick off\n"
    "\t</div><!-- /.sentence -->\n"
    "\t<div class=\"badge-secondary\">1</div>The event kicks off today.<script>getAudio('k1');</script>\n"
    "\t<div class=\"sentence-jp\">イベントは今日始まる。</div>\n"
    "\t<div class=\"badge-secondary\">2</div>We kicked off early.<script>getAudio('k2');</script>\n"
    "\t<div class=\"sentence-jp\">早く始めた。</div>\n"
    "</div><!-- /.sentence-block -->\n"
    "<div class=\"sentence-block\"><div class=\"sentence\">no badges</div><!-- /.sentence --></div><!-- /.sentence-block -->\n";

inline const char kEnglishIndexPage[] =
    "<html><body>\n"
    "<div class=\"left_col_in\">\n"
    "<div class=\"news-tilte-en\">Spring <b>comes</b> &amp; goes</div>\n"
    "<div class=\"news-title-jp\">春が来た</div>\n"
    "<div class=\"original-date\">2010年4月1日 <span class=\"category\">\tWorld&nbsp;<span class=\"category\">Asia</span> </span> </div>\n"
    "<p>Cherry trees<br />bloom.</p>\n"
    "<a data-word=\"bloom\" data-jp=\"咲く\" data-type=\"動\">bloom</a>\n"
    "</div><!-- /.left_col_in -->\n"
    "</body></html>\n";

inline const char kEnglishNewsPage[] =
    "<dl class=\"sentence\"><dt>1</dt><dd>Spring has come<br />\n"
    " to Tokyo.<Audio1><br />春が東京に\n"
    "来ました。</Audio1></dd><dd>come: 来る</dd></dl>\n"
    "<dl class=\"sentence\"><dt>2</dt><dd>People enjoy it.<audio1><br />人々は楽しむ。</audio1></dd><dd>enjoy: 楽しむ</dd></dl>\n"
    "<dl class=\"sentence\"><dt>3</dt><dd>No audio here.<span>(note)</span><br />音声なし。</dd><dd>plain</dd></dl>\n";

inline const char kEnglishKeywordPage[] =
    "<ul>\n"
    "<li><a href=\"/e-news/elearning/explain.cgi?ymd=20100401&id=1\">bloom</a></li>\n"
    "<li><a href=\"/e-news/elearning/explain.cgi?ymd=20100401&id=1\">bloom again</a></li>\n"
    "<li><a href=\"/e-news/elearning/explain.cgi?ymd=20100401&type=news\">news</a></li>\n"
    "<li><a href=\"/other/page.cgi?ymd=20100401&id=2\">other</a></li>\n"
    "<li><a href=\"/e-news/elearning/explain.cgi?ymd=20100401&id=3\">enjoy</a></li>\n"
    "</ul>\n";

inline const char kEnglishExplanation1[] =
    "<div id=\"elearning_explain\"><dl><dt>Keyword</dt><dd>bloom: 咲く</dd></dl>\n"
    "<ol class=\"explain\"><li>Roses bloom.<br />バラが咲く。<br /></li><li>It bloomed.<br />咲いた。<br /></li><li>Third.<br />三つ目。<br /></li></ol></div>\n";

inline const char kEnglishExplanation3[] =
    "<div id=\"elearning_explain\"><dd>enjoy: 楽しむ</dd>\n"
    "<ol class=\"explain\"><li>Enjoy it.<br />楽しんで。<br /></li><li>Cut<br />short</li></ol></div>\n";

// Serves the SNS English lesson; the settings must point its sites at the server.
inline void serveSnsEnglishLesson(LocalHttpServer& server) {
    server.serve("/snsenglish/news/n210802.html", kSnsSummaryPage);
    server.serve("/snsenglish/news/elearning/s210802.html", kSnsSentencePage);
    server.serve("/snsenglish/news/elearning/k210802.html", kSnsKeywordPage);
}

// Serves the English e-news lesson; the settings must point its sites at the server.
inline void serveEnglishNewsLesson(LocalHttpServer& server) {
    server.serve("/e-news/news/index.cgi?ymd=20100401", kEnglishIndexPage);
    server.serve("/e-news/elearning/explain.cgi?ymd=20100401&type=news", kEnglishNewsPage);
    server.serve("/e-news/elearning/explain.cgi?ymd=20100401&type=keyword", kEnglishKeywordPage);
    server.serve("/e-news/elearning/explain.cgi?ymd=20100401&id=1", kEnglishExplanation1);
    server.serve("/e-news/elearning/explain.cgi?ymd=20100401&id=3", kEnglishExplanation3);
}
