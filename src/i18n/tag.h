#pragma once

#include <QObject>
#include <QVariant>

// Every menu item, toolbar button and tree node carries an integer command tag, and the
// translation step reads two marks from the same place: a list whose entries are not
// words (port names, numbers, tone codes) carries -2, one whose first entry alone is a
// word ("None", "Off") carries -3. The tag lives in a dynamic property so that any
// QObject, widget or action, can carry one.
namespace tag {
constexpr int NotTranslated = -2;
constexpr int FirstEntryOnly = -3;
constexpr const char* Property = "tag";
} // namespace tag

inline void SetTag(QObject* object, int value) {
    object->setProperty(tag::Property, value);
}

// 0 when the object carries no tag.
inline int TagOf(const QObject* object) {
    return object->property(tag::Property).toInt();
}
