// A static library whose only content is the resources it links, as a program's
// own library would hold them.
int resourceArchiveMarker() {
    return 0;
}
