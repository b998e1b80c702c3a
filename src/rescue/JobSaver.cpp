#include "JobSaver.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "AtomicFile.h"
#include "JobFileWriter.h"

namespace quorvex {

JobSaver::JobSaver(JobFile file, const DestinationSync& destination, const MonotonicClock& clock)
    : file_(std::move(file)), destination_(destination), clock_(clock) {}

void JobSaver::begin(const SavedJob& job) {
    flushed_ = clock_.seconds();
    write(job);
}

void JobSaver::saveNow(std::size_t index, const JobRecord& record) {
    append(JobFileWriter::update(index + 1, record));
}

void JobSaver::saveSynced(std::size_t index, const JobRecord& record) {
    if (problem_.empty()) waiting_ += JobFileWriter::update(index + 1, record);
}

void JobSaver::flushIfDue() {
    if (!waiting_.empty() && clock_.seconds() - flushed_ >= FlushSeconds) flush();
}

void JobSaver::flush() {
    flushed_ = clock_.seconds();
    if (waiting_.empty() || !syncDestination()) return;
    append(waiting_);
    waiting_.clear();
}

void JobSaver::end(const SavedJob& job) {
    if (syncDestination()) write(job);
    journal_.reset();
}

bool JobSaver::syncDestination() {
    if (!problem_.empty()) return false;
    problem_ = destination_.sync();
    return problem_.empty();
}

// The lines go out in one write where the file system allows it; a write cut short leaves a
// torn last line, which the next load passes over, and ends the saving, so that nothing is
// ever appended after a torn line.
void JobSaver::append(const std::string& lines) {
    std::string_view rest = lines;
    while (problem_.empty() && !rest.empty()) {
        const ssize_t count = ::write(journal_.get(), rest.data(), rest.size());
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0)
            problem_ = "cannot write " + file_.path() + ": " + std::strerror(errno);
        else
            rest.remove_prefix(static_cast<std::size_t>(count));
    }
}

void JobSaver::write(const SavedJob& job) {
    if (!problem_.empty()) return;
    try {
        file_.save(job);
    } catch (const AtomicFile::Error& error) {
        problem_ = error.what();
        return;
    }
    journal_ = Descriptor(open(file_.path().c_str(), O_WRONLY | O_APPEND | O_NOFOLLOW | O_CLOEXEC));
    if (!journal_.valid()) problem_ = "cannot open " + file_.path() + ": " + std::strerror(errno);
}

}  // namespace quorvex
