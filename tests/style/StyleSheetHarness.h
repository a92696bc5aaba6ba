#pragma once

#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>
#include <functional>
#include <memory>

// Applies composed sheets to real widgets offscreen and reports what Qt logged against them.
// One harness at a time. Messages go on to the handler installed before it, so start LogCapture
// (if the test uses it) first: installed later, its handler would replace ours.
class StyleSheetHarness
{
public:
    // Beginnings of the Qt messages that mean a sheet, or part of it, was dropped, or that an
    // image it names did not load.
    static const QStringList& failureMessages();

    StyleSheetHarness();
    ~StyleSheetHarness();
    StyleSheetHarness(const StyleSheetHarness&) = delete;
    StyleSheetHarness& operator=(const StyleSheetHarness&) = delete;

    // The top-level widget "obj", with one named child of each class the sheets select.
    QWidget* host() const;
    // The host first, then its children.
    QList<QWidget*> widgets() const;
    template <class T>
    T* child() const
    {
        return host()->findChild<T*>(QString(), Qt::FindDirectChildrenOnly);
    }
    // A real image file, for url()s that must load.
    QString imagePath() const;

    // Clears every sheet, installs this one on the host, draws it, and returns the failure
    // messages Qt logged meanwhile.
    QStringList check(const QString& sheet);
    // Clears every sheet, runs the action (an applier, say), draws, returns the failures.
    QStringList check(const std::function<void()>& apply);

private:
    QTemporaryDir m_dir;
    std::unique_ptr<QWidget> m_host;
};
