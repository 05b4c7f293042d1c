#include "platform/flashplayer/flashhostpage.h"

#include <QJsonDocument>
#include <QJsonValue>

namespace {
// A JavaScript string literal that is also safe inside a <script> element.
QString jsString(const QString& text)
{
    QByteArray json = QJsonDocument::fromVariant(QVariantList{text}).toJson(QJsonDocument::Compact);
    json = json.mid(1, json.size() - 2); // strip the array brackets
    json.replace("</", "<\\/");
    return QString::fromUtf8(json);
}
} // namespace

QString FlashHostPage::html() const
{
    const QString colour = background.isValid() ? background.name() : QStringLiteral("#000000");
    // Autoplay with sound and none of Ruffle's overlays: the widget behaves like the plug-in did.
    return QStringLiteral(R"(<!DOCTYPE html>
<html><head><meta charset="utf-8">
<style>
html, body { margin: 0; padding: 0; width: 100%; height: 100%; overflow: hidden; background: %1; }
#player { display: block; width: 100%; height: 100%; }
</style>
<script>
window.RufflePlayer = window.RufflePlayer || {};
window.RufflePlayer.config = { autoplay: "on", unmuteOverlay: "hidden", splashScreen: false,
                               contextMenu: "off" };
</script>
<script src="%2"></script>
</head><body><script>
(function () {
  var prefix = %3;
  var reported = false;
  function report(what) {
    if (reported) return;
    reported = true;
    document.title = prefix + what;
  }
  // Ruffle reports a movie it cannot download or parse only on the console (its own log lines
  // arrive through console.log, marked ERROR even for harmless renderer fallbacks), so: any
  // console.error, or a log line about an invalid movie, before the header arrives is a failure.
  ["log", "info", "warn", "error"].forEach(function (level) {
    var original = console[level];
    console[level] = function () {
      var message = Array.prototype.join.call(arguments, " ");
      if (level === "error" || message.indexOf("Invalid SWF") >= 0)
        report("failed:" + message.replace(/%c/g, ""));
      return original.apply(console, arguments);
    };
  });
  window.addEventListener("error", function (e) { report("failed:" + e.message); });
  if (!window.RufflePlayer || typeof window.RufflePlayer.newest !== "function") {
    report("failed:Ruffle is not available");
    return;
  }
  var player = window.RufflePlayer.newest().createPlayer();
  player.id = "player";
  document.body.appendChild(player);
  player.addEventListener("loadedmetadata", function () { report("loaded"); });
  var api = typeof player.ruffle === "function" ? player.ruffle() : player;
  Promise.resolve(api.load({ url: %4, base: %5 }))
      .catch(function (e) { report("failed:" + e); });
})();
</script></body></html>
)")
        .arg(colour, ruffleScript.toString(QUrl::FullyEncoded).toHtmlEscaped(),
             jsString(reportPrefix), jsString(movie.toString(QUrl::FullyEncoded)),
             jsString(base.toString(QUrl::FullyEncoded)));
}
