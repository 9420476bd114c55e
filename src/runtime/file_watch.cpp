#include "file_watch.h"

#include <FL/Fl.H>

#include <utility>

namespace fluac_lua {

namespace {
constexpr double kInterval = 0.2;  // seconds between looks
}  // namespace

bool FileWatch::Stamp::operator==(const Stamp& o) const {
    return exists == o.exists && dev == o.dev && ino == o.ino && size == o.size &&
           mtime.tv_sec == o.mtime.tv_sec && mtime.tv_nsec == o.mtime.tv_nsec;
}

FileWatch::FileWatch(std::string path) : path_(std::move(path)), current_(stamp()), candidate_(current_) {
    Fl::add_timeout(kInterval, poll, this);
}

FileWatch::~FileWatch() { Fl::remove_timeout(poll, this); }

bool FileWatch::take_saved() { return std::exchange(saved_, false); }

FileWatch::Stamp FileWatch::stamp() const {
    Stamp s;
    struct stat st;
    if (::stat(path_.c_str(), &st) != 0) return s;
    s.exists = true;
    s.dev = st.st_dev;
    s.ino = st.st_ino;
    s.size = st.st_size;
    s.mtime = st.st_mtim;
    return s;
}

// A change counts once two looks in a row agree on it, so that a file
// still being written is not read half-way.
void FileWatch::poll(void* self) {
    auto* w = static_cast<FileWatch*>(self);
    const Stamp now = w->stamp();
    if (now.exists && !(now == w->current_) && now == w->candidate_) {
        w->current_ = now;
        w->saved_ = true;
    }
    w->candidate_ = now;
    Fl::repeat_timeout(kInterval, poll, self);
}

}  // namespace fluac_lua
