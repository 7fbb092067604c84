# install and packaging
