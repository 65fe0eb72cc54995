// Filter, sort and search of the cards; the page works without it, showing every card.
(function () {
  'use strict';
  var container = document.getElementById('cards');
  var cards = Array.prototype.slice.call(container.querySelectorAll('.card'));
  var filter = document.getElementById('filter');
  var sort = document.getElementById('sort');
  var search = document.getElementById('search');
  var shown = document.getElementById('shown');
  var buttons = Array.prototype.slice.call(document.querySelectorAll('.totals button'));

  function hasProblem(card, code) {
    return (' ' + card.getAttribute('data-problems') + ' ').indexOf(' ' + code + ' ') !== -1;
  }

  function passesFilter(card) {
    var problems = card.getAttribute('data-problems');
    switch (filter.value) {
      case 'all': return true;
      case 'problems': return problems !== '';
      case 'fine': return problems === '';
      case 'ended': return card.getAttribute('data-ended') === 'yes';
      default: return hasProblem(card, filter.value);
    }
  }

  function update() {
    var words = search.value.trim().toLowerCase();
    var count = 0;
    cards.forEach(function (card) {
      var visible = passesFilter(card) &&
        (words === '' || card.getAttribute('data-file').toLowerCase().indexOf(words) !== -1);
      card.hidden = !visible;
      count += visible ? 1 : 0;
    });
    shown.textContent = 'showing ' + count + ' of ' + cards.length;
    buttons.forEach(function (button) {
      button.classList.toggle('active', button.getAttribute('data-filter') === filter.value);
    });
  }

  var keys = {
    rank: function (card) { return Number(card.getAttribute('data-order')); },
    file: function (card) { return card.getAttribute('data-file').toLowerCase(); },
    shapes: function (card) { return -Number(card.getAttribute('data-shapes')); }
  };

  function reorder() {
    var key = keys[sort.value];
    var sorted = cards.slice().sort(function (a, b) {
      var ka = key(a), kb = key(b);
      return ka === kb ? 0 : (ka > kb ? 1 : -1);
    });
    var fragment = document.createDocumentFragment();
    sorted.forEach(function (card) { fragment.appendChild(card); });
    container.appendChild(fragment);
  }

  filter.addEventListener('change', update);
  search.addEventListener('input', update);
  sort.addEventListener('change', reorder);
  buttons.forEach(function (button) {
    button.addEventListener('click', function () {
      filter.value = button.getAttribute('data-filter');
      update();
    });
  });
  update();
})();
