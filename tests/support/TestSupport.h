#pragma once

#include "rules/common/SharedState.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace thilaixe::test {

// A scratch working folder. The program is handed its path; nothing here
// changes the process's current folder.
class WorkDir final {
public:
    QString path(const QString& name = {}) const
    {
        return name.isEmpty() ? m_dir.path() : m_dir.filePath(name);
    }
    QString history() const { return path(QStringLiteral("DuLieu.txt")); }
    // Small valid pictures for the given questions (all 300 by default).
    void makePictures(int from = 1, int to = 300) const;
    // Replaces the file with a new one holding `bytes`.
    void write(const QString& name, const QByteArray& bytes) const;
    QByteArray read(const QString& name) const;

private:
    QTemporaryDir m_dir;
};

// Another copy of the program holding the learner's store: a connection of
// its own inside BEGIN IMMEDIATE from hold() until release().
class StoreHolder final {
public:
    explicit StoreHolder(const QString& file);
    ~StoreHolder();
    StoreHolder(const StoreHolder&) = delete;
    StoreHolder& operator=(const StoreHolder&) = delete;
    bool hold() { return run("BEGIN IMMEDIATE"); }
    bool release() { return run("ROLLBACK"); }

private:
    bool run(const char* sql);
    QString m_name;
};

// A real filesystem that runs full: a small tmpfs mounted in this process's
// own mount namespace (so root only, and nothing outside sees it), which
// fill() fills to the last byte and free() empties again. ok() is false,
// with why(), where that cannot be done.
class FullDisk final {
public:
    explicit FullDisk(int kb = 1024);
    ~FullDisk();
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;
    bool ok() const { return m_ok; }
    const QString& why() const { return m_why; }
    QString path(const QString& name = {}) const;
    void fill();
    void free();
    // The names in its folder, the filler left out.
    QStringList names() const;

private:
    QTemporaryDir m_dir;
    bool m_ok = false;
    QString m_why;
};

// The one sample exam of the tests. Slot s holds a question of its section
// (slot 1: question 1 + seed % 10, slot 30: question 300); the first `right`
// answered slots carry the key's option, the others a wrong one; the slots
// in `blank` are not answered.
struct ExamSpec {
    int seed = 0;
    int right = 30;
    QList<int> blank = {};
    QString hang = QStringLiteral("B2");
};
SharedState exam(const ExamSpec& spec = {});

// The three lines of a history record as the program writes them.
QByteArray recordBytes(const SharedState& s);

}  // namespace thilaixe::test
