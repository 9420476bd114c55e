// Noticing that a file was saved, whether the editor rewrote it or replaced
// it by a new file under its name: an FLTK timeout looks at what stat says of
// the path several times a second.
#pragma once

#include <sys/stat.h>

#include <string>

namespace fluac_lua {

class FileWatch {
public:
    explicit FileWatch(std::string path);
    ~FileWatch();
    FileWatch(const FileWatch&) = delete;
    FileWatch& operator=(const FileWatch&) = delete;

    // True once after each save, once the file has stopped changing.
    bool take_saved();

private:
    struct Stamp {
        bool exists = false;
        dev_t dev = 0;
        ino_t ino = 0;
        off_t size = 0;
        timespec mtime{};
        bool operator==(const Stamp& o) const;
    };
    Stamp stamp() const;
    static void poll(void* self);

    std::string path_;
    Stamp current_;    // the version last reported
    Stamp candidate_;  // what the previous look saw
    bool saved_ = false;
};

}  // namespace fluac_lua
