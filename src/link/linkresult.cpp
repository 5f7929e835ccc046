#include "linkresult.h"

QString LinkResultText(const TLanguage& language, const TLinkResult& result) {
    if (!result.message) return {};
    QString text = language.*result.message;
    if (result.kind == TLinkResult::PortFailed && !result.detail.isEmpty())
        text += u'\n' + result.detail;
    return text;
}
