"""The exceptions of blendforge, raised with the line refhost prints."""


class Error(Exception):
    """A failure that `refhost run` reports in one line.

    ``str(error)`` is that line after refhost's ``"refhost: "``.
    """


class ModelError(Error):
    """A model file that cannot be read or written.

    ``file`` names it; ``line`` (OBJ) or ``pointer`` (a JSON pointer into a
    glTF asset) says where the flaw is, or is None when the message names no
    place.
    """

    def __init__(self, message: str, file: str, line: "int | None" = None,
                 pointer: "str | None" = None) -> None:
        super().__init__(message)
        self.file = file
        self.line = line
        self.pointer = pointer

    def __reduce__(self):
        # A batch's workers send their errors back pickled.
        return (type(self), (str(self), self.file, self.line, self.pointer))


class Unchanged(Error):
    """The command ran and changed nothing (cancelled or refused).

    The model is as it was; `refhost run` exits with status 2 for it.
    """
