/* The floor for tovir-cli's export mode: the same work written as a bare C loop over fixed arrays. It reads
 * every index file of one group, keeps the user, drawing name and drawing file name of every drawing (and in
 * the full display the update date text and note of every drawing file, opened relative to its user
 * directory), assembles the whole copy text in one buffer and writes it out, in CP932 as it stands or in
 * UTF-8 through iconv. Its output must equal tovir-cli's byte for byte; the end-to-end benchmark checks that.
 *
 *   bare_export short|full cp932|utf-8 FOLDER GROUP [LATENCY_US]
 *
 * FOLDER and GROUP are disk paths (UTF-8); GROUP must be the folder's first group, as tovir-cli loads it.
 * LATENCY_US, when given, is waited before every open and every status call, as a file server would make
 * each wait (the benchmark gives tovir-cli's file system the same delay). */
#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <iconv.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#define HEADER 64
#define RECORD 192
#define BLOCK (RECORD * 4096)

typedef struct {
  char disk[512];  /* the name on disk */
  char cp932[512]; /* the name as the program sees it */
  char user[7];    /* bytes 3 to 8 of the name, cut before a "_" that is not first */
} IndexFile;

static long latencyUs = 0;

/* One open or status call's wait on the simulated medium. */
static void wait_medium(void) {
  if (latencyUs <= 0) return;
  struct timespec t = {latencyUs / 1000000, (latencyUs % 1000000) * 1000};
  while (nanosleep(&t, &t) != 0 && errno == EINTR) {
  }
}

static int fold(int c) {
  return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c;
}

static int compare_index_files(const void* a, const void* b) {
  const unsigned char* x = (const unsigned char*)((const IndexFile*)a)->cp932;
  const unsigned char* y = (const unsigned char*)((const IndexFile*)b)->cp932;
  for (; *x && fold(*x) == fold(*y); ++x, ++y) {
  }
  return fold(*x) - fold(*y);
}

static int convert(iconv_t cd, const char* in, size_t inLen, char* out, size_t outSize, size_t* outLen) {
  char* src = (char*)in;
  char* dst = out;
  size_t dstLeft = outSize;
  iconv(cd, NULL, NULL, NULL, NULL);
  if (iconv(cd, &src, &inLen, &dst, &dstLeft) == (size_t)-1) return 0;
  *outLen = (size_t)(dst - out);
  return 1;
}

static int is_lead(unsigned char b) {
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

static void derive_user(const char* name, char* user) {
  size_t len = strlen(name), n = len > 2 ? len - 2 : 0, i, cut = 0;
  if (n > 6) n = 6;
  memcpy(user, name + 2, n);
  user[n] = '\0';
  for (i = 0; i < n; ++i) {
    if (is_lead((unsigned char)user[i])) {
      ++i;
      continue;
    }
    if (user[i] == '_') {
      cut = i;
      break;
    }
  }
  if (cut > 0) user[cut] = '\0';
}

static void trim(const char* p, size_t n, size_t* b, size_t* e) {
  *b = 0;
  *e = n;
  while (*b < *e && (unsigned char)p[*b] <= 0x20) ++*b;
  while (*e > *b && (unsigned char)p[*e - 1] <= 0x20) --*e;
}

static size_t to_nul(const char* p, size_t n) {
  size_t i = 0;
  while (i < n && p[i] != '\0') ++i;
  return i;
}

static const char kShortHeading[] = "Group\x96\xbc User\x96\xbc \x90}\x96\xca\x96\xbc\x81iPN,FN\x81j      ";
static const char kFullTail[] =
    " \x8dX\x90V\x93\xfa\x8e\x9e       \x92\x8d\x8bL                                                    ";

int main(int argc, char** argv) {
  if (argc != 5 && argc != 6) {
    fprintf(stderr, "usage: bare_export short|full cp932|utf-8 FOLDER GROUP [LATENCY_US]\n");
    return 2;
  }
  if (argc == 6) latencyUs = atol(argv[5]);
  int full = strcmp(argv[1], "full") == 0;
  int utf8 = strcmp(argv[2], "utf-8") == 0;
  char groupDir[4096], indexDir[4200], path[8192];
  snprintf(groupDir, sizeof groupDir, "%s/%s", argv[3], argv[4]);
  snprintf(indexDir, sizeof indexDir, "%s/V3idxft", groupDir);
  iconv_t toCp932 = iconv_open("CP932", "UTF-8"), toUtf8 = iconv_open("UTF-8", "CP932");

  /* The group name as the copy shows it. */
  char group[512];
  size_t groupLen;
  if (!convert(toCp932, argv[4], strlen(argv[4]), group, sizeof group - 1, &groupLen)) return 1;
  group[groupLen] = '\0';

  /* The index files, sorted as the program sorts them, and the drawings they can hold at most. */
  IndexFile* files = calloc(1024, sizeof(IndexFile));
  size_t fileCount = 0, capacity = 0;
  wait_medium();
  DIR* dir = opendir(indexDir);
  if (dir == NULL) return 1;
  struct dirent* entry;
  while ((entry = readdir(dir)) != NULL && fileCount < 1024) {
    if (strncmp(entry->d_name, "MC", 2) != 0) continue;
    IndexFile* f = &files[fileCount++];
    size_t len;
    snprintf(f->disk, sizeof f->disk, "%s", entry->d_name);
    if (!convert(toCp932, f->disk, strlen(f->disk), f->cp932, sizeof f->cp932 - 1, &len)) return 1;
    f->cp932[len] = '\0';
    derive_user(f->cp932, f->user);
  }
  closedir(dir);
  qsort(files, fileCount, sizeof(IndexFile), compare_index_files);
  for (size_t i = 0; i < fileCount; ++i) {
    struct stat st;
    snprintf(path, sizeof path, "%s/%s", indexDir, files[i].disk);
    wait_medium();
    if (stat(path, &st) == 0 && st.st_size > HEADER)
      capacity += ((size_t)st.st_size - HEADER + RECORD - 1) / RECORD;
  }

  /* The drawing table: user, drawing name and drawing file name of every drawing in fixed places. */
  char* users = malloc(capacity * 7 + 1);
  char* names = malloc(capacity * 22 + 1);
  char* fileNames = malloc(capacity * 13 + 1);
  size_t* fileOf = malloc(capacity * sizeof(size_t) + 1);
  static char block[BLOCK];
  size_t count = 0;
  for (size_t i = 0; i < fileCount; ++i) {
    snprintf(path, sizeof path, "%s/%s", indexDir, files[i].disk);
    wait_medium();
    wait_medium();
    int fd = open(path, O_RDONLY);
    if (fd < 0) break;
    char header[HEADER];
    if (read(fd, header, HEADER) < 0) {
      close(fd);
      continue;
    }
    for (;;) {
      ssize_t got = read(fd, block, BLOCK);
      if (got <= 0) break;
      size_t tail = (size_t)got % RECORD;
      if (tail != 0) {
        memset(block + got, 0, RECORD - tail);
        got += (ssize_t)(RECORD - tail);
      }
      for (size_t off = 0; off < (size_t)got && count < capacity; off += RECORD) {
        const char* r = block + off;
        if (r[0] == '0') continue;
        size_t pb, pe, fb, fe, len = 0;
        trim(r + 33, 16, &pb, &pe);
        trim(r + 50, 4, &fb, &fe);
        char* name = names + count * 22;
        size_t pl = to_nul(r + 33 + pb, pe - pb);
        memcpy(name, r + 33 + pb, pl);
        len = pl;
        if (pl == pe - pb) {
          size_t fl = to_nul(r + 50 + fb, fe - fb);
          name[len++] = ',';
          memcpy(name + len, r + 50 + fb, fl);
          len += fl;
          if (fl == fe - fb) {
            while (len < 21) name[len++] = ' ';
          }
        }
        name[len] = '\0';
        char* file = fileNames + count * 13;
        size_t nl = to_nul(r + 12, 6);
        memcpy(file, "Mc", 2);
        memcpy(file + 2, r + 12, nl);
        if (nl == 6)
          memcpy(file + 8, ".1@@", 5);
        else
          file[2 + nl] = '\0';
        memcpy(users + count * 7, files[i].user, 7);
        fileOf[count] = i;
        ++count;
      }
      if (tail != 0) break;
    }
    close(fd);
  }

  /* The full display: the update date text and the note of every drawing file, each file opened relative to
   * its user directory. */
  char* dates = NULL;
  char* notes = NULL;
  if (full) {
    dates = malloc(count * 15 + 1);
    notes = malloc(count * 57 + 1);
    time_t now = time(NULL);
    struct tm local;
    localtime_r(&now, &local);
    long offset = local.tm_gmtoff;
    size_t current = (size_t)-1;
    int dirFd = -1;
    for (size_t d = 0; d < count; ++d) {
      char* date = dates + d * 15;
      char* note = notes + d * 57;
      date[0] = note[0] = '\0';
      if (fileOf[d] != current) {
        if (dirFd >= 0) close(dirFd);
        current = fileOf[d];
        char userDisk[64];
        size_t len;
        const char* user = users + d * 7;
        if (!convert(toUtf8, user, strlen(user), userDisk, sizeof userDisk - 1, &len)) return 1;
        userDisk[len] = '\0';
        snprintf(path, sizeof path, "%s/%s", groupDir, userDisk);
        wait_medium();
        dirFd = open(path, O_RDONLY | O_DIRECTORY);
      }
      if (dirFd < 0) continue;
      wait_medium();
      wait_medium();
      int fd = openat(dirFd, fileNames + d * 13, O_RDONLY);
      if (fd < 0) continue;
      struct stat st;
      if (fstat(fd, &st) == 0) {
        time_t t = st.st_mtime + offset;
        struct tm tm;
        gmtime_r(&t, &tm);
        if (tm.tm_year >= 80 && tm.tm_year <= 207) {
          char text[64];
          snprintf(text, sizeof text, "%02d/%02d/%02d %02d:%02d", tm.tm_year % 100, tm.tm_mon + 1, tm.tm_mday,
                   tm.tm_hour, tm.tm_min);
          memcpy(date, text, 15);
        }
      }
      char head[160];
      ssize_t got = read(fd, head, sizeof head);
      close(fd);
      if (got > 104) {
        size_t nl = to_nul(head + 104, (size_t)got - 104);
        memcpy(note, head + 104, nl);
        note[nl] = '\0';
      }
    }
    if (dirFd >= 0) close(dirFd);
  }

  /* The copy text, assembled in one buffer: heading, then per drawing the group column and the row. */
  size_t lineMax = 8 + groupLen + 28 + (full ? 1 + 14 + 1 + 56 : 0) + 2;
  size_t headingLen = sizeof kShortHeading - 1 + (full ? sizeof kFullTail - 1 : 0) + 2;
  char* text = malloc(headingLen + count * lineMax);
  size_t at = 0;
  memcpy(text, kShortHeading, sizeof kShortHeading - 1);
  at += sizeof kShortHeading - 1;
  if (full) {
    memcpy(text + at, kFullTail, sizeof kFullTail - 1);
    at += sizeof kFullTail - 1;
  }
  text[at++] = '\r';
  text[at++] = '\n';
  for (size_t d = 0; d < count; ++d) {
    memcpy(text + at, group, groupLen);
    at += groupLen;
    for (size_t k = groupLen; k < 8; ++k) text[at++] = ' ';
    const char* user = users + d * 7;
    size_t ul = strlen(user);
    memcpy(text + at, user, ul);
    at += ul;
    for (size_t k = ul; k < 6; ++k) text[at++] = ' ';
    text[at++] = ' ';
    const char* name = names + d * 22;
    size_t nl = strlen(name);
    memcpy(text + at, name, nl);
    at += nl;
    if (full) {
      const char* date = dates + d * 15;
      const char* note = notes + d * 57;
      size_t dl = strlen(date), ol = strlen(note);
      text[at++] = ' ';
      memcpy(text + at, date, dl);
      at += dl;
      text[at++] = ' ';
      memcpy(text + at, note, ol);
      at += ol;
    }
    text[at++] = '\r';
    text[at++] = '\n';
  }

  if (!utf8) {
    fwrite(text, 1, at, stdout);
  } else {
    /* Converted in pieces that end at line ends, so a double-byte character is never split. */
    static char out[1 << 18];
    size_t from = 0;
    while (from < at) {
      size_t to = from + (1 << 16) < at ? from + (1 << 16) : at;
      while (to < at && text[to - 1] != '\n') ++to;
      size_t len;
      if (!convert(toUtf8, text + from, to - from, out, sizeof out, &len)) return 1;
      fwrite(out, 1, len, stdout);
      from = to;
    }
  }
  return fflush(stdout) == 0 ? 0 : 1;
}
