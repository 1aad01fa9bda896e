// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/journal_keeper.h"

#include "windows/window_texts.h"

#include <QThread>

namespace windows {

JournalKeeper::JournalKeeper(const QString& path, QObject* parent) : QObject(parent), m_path(path.toStdString())
{
    if (m_path.empty())
        return;
    m_thread = new QThread(this);
    m_thread->setObjectName(QStringLiteral("journal writer"));
    m_writer = new QObject;
    m_writer->moveToThread(m_thread);
    connect(m_thread, &QThread::finished, m_writer, &QObject::deleteLater);
    m_thread->start();
}

void JournalKeeper::openInBackground()
{
    if (m_thread)
        write([](journal::Journal*) {});
}

JournalKeeper::~JournalKeeper()
{
    if (!m_thread)
        return;
    waitForWrites();
    m_thread->quit();
    m_thread->wait();
}

void JournalKeeper::setKeepsReadings(bool keep)
{
    if (keep == m_keepsReadings)
        return;
    m_keepsReadings = keep;
    emit keepingChanged(keep);
}

void JournalKeeper::write(std::function<void(journal::Journal*)> job)
{
    if (!m_thread)
        return;
    QMetaObject::invokeMethod(m_writer, [this, job = std::move(job)] {
        if (!m_writerOpened) {
            m_writerOpened = true;
            journal::OpenResult opened = journal::Journal::open(m_path);
            m_writerJournal = std::move(opened.journal);
            if (!opened.message.empty()) {
                const QString message = QString::fromStdString(opened.message);
                QMetaObject::invokeMethod(this, [this, message] { tellOnce(message, m_toldAboutOpening); });
            }
        }
        job(m_writerJournal.get());
    });
}

void JournalKeeper::waitForWrites()
{
    if (m_thread && QThread::currentThread() != m_thread)
        QMetaObject::invokeMethod(
            m_writer, [] {}, Qt::BlockingQueuedConnection);
}

void JournalKeeper::tellOnce(const QString& message, bool& told)
{
    if (told)
        return;
    told = true;
    emit problem(message);
}

bool JournalKeeper::readOnly()
{
    journal::Journal* journal = reader();
    return !journal || journal->readOnly();
}

void JournalKeeper::keep(journal::Reading reading)
{
    if (!m_keepsReadings)
        return;
    write([this, reading = std::move(reading)](journal::Journal* journal) mutable {
        // A journal that could not be opened, or is from a newer version, was told about when it was opened.
        if (!journal || journal->readOnly())
            return;
        const auto added = journal->add(reading);
        QMetaObject::invokeMethod(this, [this, error = added ? std::string() : added.error] {
            if (!error.empty())
                tellOnce(texts::readingNotKeptMessage(QString::fromStdString(error)), m_toldAboutWriting);
            emit journalChanged();
        });
    });
}

void JournalKeeper::saveQuestionAndNotes(std::int64_t id, const std::string& question, const std::string& notes)
{
    write([this, id, question, notes](journal::Journal* journal) {
        if (!journal)
            return;
        if (const auto error = journal->setQuestionAndNotes(id, question, notes)) {
            QMetaObject::invokeMethod(this, [this, message = QString::fromStdString(*error)] {
                tellOnce(texts::notesNotKeptMessage(message), m_toldAboutWriting);
            });
        }
    });
}

void JournalKeeper::remove(const std::vector<std::int64_t>& ids)
{
    write([this, ids](journal::Journal* journal) {
        const auto error = journal ? journal->remove(ids) : std::nullopt;
        QMetaObject::invokeMethod(this, [this, message = error ? QString::fromStdString(*error) : QString()] {
            if (!message.isEmpty())
                emit problem(texts::journalChangeFailedMessage(message));
            emit journalChanged();
        });
    });
}

void JournalKeeper::forgetAll()
{
    write([this](journal::Journal* journal) {
        const auto error = journal ? journal->forgetAll() : std::nullopt;
        QMetaObject::invokeMethod(this, [this, message = error ? QString::fromStdString(*error) : QString()] {
            if (!message.isEmpty())
                emit problem(texts::journalChangeFailedMessage(message));
            emit journalChanged();
        });
    });
}

void JournalKeeper::import(std::vector<journal::Reading> readings)
{
    write([this, readings = std::move(readings)](journal::Journal* journal) {
        const int offered = static_cast<int>(readings.size());
        int added = 0;
        QString error;
        if (!journal) {
            error = texts::kNoJournal;
        } else if (const auto result = journal->addUnknown(readings)) {
            added = *result.value;
        } else {
            error = QString::fromStdString(result.error);
        }
        QMetaObject::invokeMethod(this, [this, added, offered, error] {
            // The table shows what came in before the message about it does.
            emit journalChanged();
            emit importFinished(added, offered, error);
        });
    });
}

journal::Journal* JournalKeeper::reader()
{
    if (!m_readerOpened && m_thread) {
        m_readerOpened = true;
        // The writer opens the file first, so that only one of them ever moves a damaged file aside.
        waitForWrites();
        journal::OpenResult opened = journal::Journal::open(m_path);
        m_readerJournal = std::move(opened.journal);
        if (!opened.message.empty())
            tellOnce(QString::fromStdString(opened.message), m_toldAboutOpening);
    }
    return m_readerJournal.get();
}

std::vector<journal::Reading> JournalKeeper::search(const std::string& text, int limit, int offset, JournalOrder order)
{
    journal::Journal* journal = reader();
    return journal ? journal->search(text, limit, offset, order.key, order.ascending) : std::vector<journal::Reading>();
}

int JournalKeeper::count(const std::string& text)
{
    journal::Journal* journal = reader();
    return journal ? journal->count(text) : 0;
}

std::vector<journal::CardCount> JournalKeeper::cardsThatKeepComingUp(const std::string& text)
{
    journal::Journal* journal = reader();
    return journal ? journal->cardsThatKeepComingUp(text) : std::vector<journal::CardCount>();
}

std::optional<journal::Reading> JournalKeeper::find(std::int64_t id)
{
    journal::Journal* journal = reader();
    return journal ? journal->find(id) : std::nullopt;
}

} // namespace windows
