// Replacing a file safely: the new contents are written in full to a file
// of their own and only then take the old file's place, so a failed save
// leaves the previous file as it was.
#ifndef DESA_H
#define DESA_H

#include <cstdio>
#include <functional>

namespace plataforma {

// Writes the file nom through escriu (which gets a binary stream and says
// whether every write succeeded) and puts it in place of the old one:
// - an existing file that cannot be opened for writing is left alone;
// - the new contents go to a file created exclusively, with a name of its
//   own, in the folder of the real file, with the old file's permission
//   bits (a new file gets 0666 less the umask), and are flushed in full;
// - a symbolic link keeps pointing at its target, which is the file that is
//   replaced; a file with more than one hard link is rewritten in place, so
//   that every link sees the new contents;
// - any failure removes the new file and changes nothing.
// False on failure, with errno telling why.
bool desa_segur(const char *nom, const std::function<bool(std::FILE *)> &escriu);

}  // namespace plataforma

#endif
