#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

// Reads a picture the program carries (a resource path such as ":/art/face.png"). When a
// screen is scaled above 100 % and a twice-size drawing of it is carried beside it
// (":/art/face@2x.png"), that one is read instead and marked with device pixel ratio 2: it
// keeps the picture's logical size and is drawn sharp rather than enlarged. A picture that
// a PicturePreload has decoded is taken from it instead of being decoded again.
QImage loadPicture(const QString &path);

// Decodes pictures on a worker thread while the program does other start-up work (on a
// second core: connecting to the display, building windows), after any other start-up work
// handed to the same worker (`first`). loadPicture of a preloaded path takes the picture
// when the worker has decoded it, waits when the worker is decoding it, and decodes it itself
// when the worker has not reached it yet (so nothing waits on the worker's order). The worker
// decodes the drawings at their plain size; on a scaled screen loadPicture reads the
// twice-size ones itself. One preload at a time; destroying it waits for the worker and drops
// what was not taken.
class PicturePreload {
public:
    explicit PicturePreload(const QStringList &paths, std::function<void()> first = {});
    ~PicturePreload();
    PicturePreload(const PicturePreload &) = delete;
    PicturePreload &operator=(const PicturePreload &) = delete;

    // How many preloaded pictures have not been taken yet.
    int untaken() const;

    struct State;

private:
    std::shared_ptr<State> m_state;
};
