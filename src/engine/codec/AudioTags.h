#pragma once

#include <QString>

namespace codec {

// The descriptive fields a converted file carries over from its source, in our own terms;
// each encoder writes them into its format's own tag.
struct AudioTags {
    QString title;
    QString artist;
    QString album;
    QString year;
    QString comment;
    QString track;
    QString genre;

    bool isEmpty() const {
        return title.isEmpty() && artist.isEmpty() && album.isEmpty() && year.isEmpty() &&
               comment.isEmpty() && track.isEmpty() && genre.isEmpty();
    }
};

} // namespace codec
