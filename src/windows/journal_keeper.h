// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "journal/journal.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QThread;

namespace windows {

// The order of the Journal window's table.
struct JournalOrder {
    journal::SortBy key = journal::SortBy::Time;
    bool ascending = false;
};

// The journal of readings as the windows use it. Reads run on the calling thread with a connection of their own;
// writes queue up on a thread of their own, so a slow disk or another program writing the same journal never holds
// up a window. Problems come back as one message each, for the person to be told once.
class JournalKeeper final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(JournalKeeper)

public:
    // An empty path keeps no journal at all.
    explicit JournalKeeper(const QString& path, QObject* parent = nullptr);
    // Finishes every write still queued.
    ~JournalKeeper() override;

    // Opens the journal now, on the writer thread, rather than for the first reading: a journal that must be moved
    // aside or is read-only is told at start, and the first reading does not wait for the file. Not done on
    // construction, so that a copy of the program that is not let run never touches the file.
    void openInBackground();

    bool hasJournal() const { return !m_path.empty(); }
    // "Keep a journal of my readings": when off, keep() records nothing.
    bool keepsReadings() const { return m_keepsReadings; }
    void setKeepsReadings(bool keep);
    // True while the journal can take no new readings (one from a newer version or that cannot be written, or none
    // could be opened).
    bool readOnly();

    // Records the reading, unless keeping is off.
    void keep(journal::Reading reading);
    void saveQuestionAndNotes(std::int64_t id, const std::string& question, const std::string& notes);
    void remove(const std::vector<std::int64_t>& ids);
    void forgetAll();
    // Adds the readings whose UUID is not kept yet; importFinished() says how it went.
    void import(std::vector<journal::Reading> readings);

    std::vector<journal::Reading> search(const std::string& text, int limit, int offset, JournalOrder order);
    int count(const std::string& text);
    std::vector<journal::CardCount> cardsThatKeepComingUp(const std::string& text);
    std::optional<journal::Reading> find(std::int64_t id);

    // Returns once every write queued so far is done (before the program ends, and for tests).
    void waitForWrites();

signals:
    void keepingChanged(bool keep);
    // Readings were added, changed or removed: whatever shows them should look again.
    void journalChanged();
    // Something the person should hear about, once: the journal was moved aside, opened read-only, or a reading
    // could not be kept.
    void problem(const QString& message);
    // Added is how many readings were new; error is empty when all went well.
    void importFinished(int added, int offered, const QString& error);

private:
    // Runs the job on the writer's thread against the writer's connection, opened on first use.
    void write(std::function<void(journal::Journal*)> job);
    journal::Journal* reader();
    void tellOnce(const QString& message, bool& told);

    std::string m_path;
    bool m_keepsReadings = true;
    QThread* m_thread = nullptr;
    QObject* m_writer = nullptr;                       // lives on m_thread
    std::unique_ptr<journal::Journal> m_writerJournal; // touched only on m_thread
    bool m_writerOpened = false;                       // touched only on m_thread
    std::unique_ptr<journal::Journal> m_readerJournal;
    bool m_readerOpened = false;
    bool m_toldAboutOpening = false;
    bool m_toldAboutWriting = false;
};

} // namespace windows
