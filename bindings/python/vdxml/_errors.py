"""The exceptions of vdxml: every failure of the library is a vdxml.Error with its status."""


class Error(Exception):
    """A failure reported by the vdxml library.

    ``status`` holds the library's status code as an unsigned 32-bit number
    (``0x80070002`` for a missing file, ``0xC00CE5xx`` for malformed XML, ...).
    """

    def __init__(self, message: str, status: int = 0x80004005) -> None:
        super().__init__(message)
        self.status = status & 0xFFFFFFFF

    def __reduce__(self):
        return (type(self), (str(self), self.status))


class FileNotFound(Error, FileNotFoundError):
    """The file (or a folder on its path) does not exist."""


class Malformed(Error):
    """The file is not a well-formed survey file (``str(error)`` names the line)."""


class InvalidArgument(Error, ValueError):
    """An argument the library refuses: a bad value, a closed reader or writer, ..."""
